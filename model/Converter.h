#pragma once

// The arithmetic of the current-to-power converter, free of any window.

#include <cstdint>
#include <optional>
#include <string_view>

// A whole number in signed 32 bits: an optional sign and ASCII digits, blanks
// around them ignored. Anything else, the empty text included, gives nothing.
std::optional<std::int32_t> ParseWholeNumber(std::string_view text);

// Computed in 64 bits: two 32-bit inputs can overflow 32 bits, and a wrong
// figure for a power supply is worse than a long one.
constexpr std::int64_t LinePower(std::int32_t amperes, std::int32_t volts) {
    return std::int64_t{amperes} * volts;
}
