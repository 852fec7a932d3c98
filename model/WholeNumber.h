// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the converter takes for a whole number: the rule the window's StrToInt
// applies to its two fields. Free of any window, so the fuzzer runs it alone.

#include <cstdint>
#include <optional>
#include <string_view>

// A whole number in signed 32 bits: an optional sign and ASCII digits, blanks
// around them ignored. Anything else, the empty text included, gives nothing.
std::optional<std::int32_t> ParseWholeNumber(std::string_view text);
