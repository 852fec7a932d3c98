// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How each figure was reached, as plain text: the window shows a category's lines
// as its tooltip and copies Report() to the clipboard, so both read the same lines.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Category.h"
#include "PowerState.h"

inline constexpr std::int32_t supplyReserveWatts = 50;

// The sizes supplies are sold in; a total needing more than the last is rounded up to a hundred.
inline constexpr std::array<std::int32_t, 17> supplySizes{300, 350, 400,  450,  500,  550,  600,  650, 700,
                                                          750, 850, 1000, 1200, 1300, 1500, 1600, 2000};

// Indexed as the fan cells are: size = cell / 3, kind = cell % 3.
inline constexpr std::array<std::string_view, 5> fanSizeNames{"80мм", "92мм", "120мм", "140мм", "200мм"};
inline constexpr std::array<std::string_view, 3> fanKindNames{"обычный", "с LED", "процессорный"};
static_assert(fanSizeNames.size() * fanKindNames.size() == fanCells);

inline constexpr std::array<std::string_view, 6> categoryCaptions{
    "Процессор", "Видеокарта", "Оперативная память", "HDD, SSD", "Оптический привод", "Вентиляторы"};
static_assert(categoryCaptions.size() == static_cast<std::size_t>(Category::Fans) + 1);

// Indexed by Category, as the captions are.
inline constexpr std::array<std::int32_t PowerState::*, 6> categorySubtotals{
    &PowerState::cpuTotal, &PowerState::gpuTotal,     &PowerState::ramTotal,
    &PowerState::hddTotal, &PowerState::opticalTotal, &PowerState::fanTotal};

// The text of the catalogue row whose watts each watts field holds; empty when no
// row was picked, or after a vendor's dashes entry cleared it.
struct PickedNames {
    std::string_view cpuModel;
    std::string_view gpuModel;
    std::string_view ramType;
    std::array<std::string_view, diskRows> hddType;
    std::array<std::string_view, opticalRows> opticalType;
};

// The lines of working behind one category's subtotal in `recalculated` (a state right after Recalculate()).
std::vector<std::string> Working(Category category, const PowerState& recalculated, const PickedNames& names);
// The lines behind the grand total: the sum, the suggested supply, the 12 V current.
std::vector<std::string> TotalWorking(const PowerState& recalculated);
// The grand total plus a 50 W reserve, rounded up to the next common supply size.
std::int32_t SuggestedSupply(std::int32_t total);
// What the total draws on the 12 V line, in whole amperes rounded up. Rounding up
// is toward plus infinity, so a negative total, which no pick can produce, is
// truncated toward zero rather than made more negative.
std::int32_t TwelveVoltAmperes(std::int32_t total);
// The plain-text report: one line per category, then the total, the supply and the current.
std::string Report(const PowerState& recalculated, const PickedNames& names);
