// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The plain number lists: device counts, overclock percentages and fan counts.
// Their entries are numbers, so the index itself is the figure.

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

inline constexpr auto countEntries = std::to_array<std::string_view>({"1", "2", "3", "4"});

inline constexpr auto percentEntries = std::to_array<std::string_view>(
    {"0 %",  "1 %",  "2 %",  "3 %",  "4 %",  "5 %",  "6 %",  "7 %",  "8 %",  "9 %", "10 %",
     "11 %", "12 %", "13 %", "14 %", "15 %", "16 %", "17 %", "18 %", "19 %", "20 %"});

inline constexpr auto fanEntries = std::to_array<std::string_view>({"0", "1", "2", "3", "4"});

// Count lists start at "1". With no selection this gives 0: the row, or all the
// memory, counts nothing until a count is picked again.
constexpr std::int32_t CountAt(int index) { return index + 1; }

// Overclock and fan lists start at "0". A list the user has typed into reports no
// selection; that means no overclock and no fans, never a negative amount.
constexpr std::int32_t AmountAt(int index) { return std::max(index, 0); }
