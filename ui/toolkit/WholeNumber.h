// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Text to whole number, the rule StrToInt applies. Plain C++, no Qt: the fuzzer
// builds it on its own.

#include <cstdint>
#include <optional>
#include <string_view>

// A whole number in signed 32 bits: an optional sign and ASCII digits, blanks
// around them ignored. Anything else, the empty text included, gives nothing.
std::optional<std::int32_t> ParseWholeNumber(std::string_view text);
