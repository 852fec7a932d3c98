// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Text to whole number for the converter's fields; throws EConvertError otherwise.

#include <QString>
#include <cstdint>

std::int32_t StrToInt(const QString& text);
