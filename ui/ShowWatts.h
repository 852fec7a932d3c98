// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How every figure is written: decimal digits, a minus sign when negative, no
// separators whatever the user's locale, then the watt suffix.

#include <cstdint>

class TLabel;

// 64 bits so that the converter's product is shown in full; every figure of the
// calculator itself is a 32-bit value.
void ShowWatts(TLabel* label, std::int64_t watts);
