// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The arithmetic of the current-to-power converter, free of any window.

#include <cstdint>

// Computed in 64 bits: two 32-bit inputs can overflow 32 bits, and a wrong
// figure for a power supply is worse than a long one.
constexpr std::int64_t LinePower(std::int32_t amperes, std::int32_t volts) {
    return std::int64_t{amperes} * volts;
}
