// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How each figure was reached, as plain text: the window shows a category's lines
// as its tooltip and copies Report() to the clipboard, so both read the same lines.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
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

// The lines of working behind one category's subtotal. The figures are computed
// from the selections in `state`, by the computation Recalculate() stores, so its
// stored subtotals need not be current. The last line ends on the subtotal.
std::vector<std::string> Working(Category category, const PowerState& state, const PickedNames& names);
// The lines behind the grand total: the sum, the suggested supply, the 12 V current.
std::vector<std::string> TotalWorking(const PowerState& state);
// The grand total plus a 50 W reserve, rounded up to the next common supply size.
std::int32_t SuggestedSupply(std::int32_t total);
// What the total draws on the 12 V line, in whole amperes rounded up. Rounding up
// is toward plus infinity, so a negative total, which no pick can produce, is
// truncated toward zero rather than made more negative.
std::int32_t TwelveVoltAmperes(std::int32_t total);
// Whether a supply line of `linePower` watts carries the grand total with the 50 W
// reserve: the margin and the load, or the shortfall. `linePower` is the
// converter's product of two 32-bit numbers, so at most 2^62 either way.
std::string SupplyCheck(std::int64_t linePower, std::int32_t total);
// The plain-text report: one line per category, then the total, the supply and the
// current, and, once the converter has given a line's power, the supply check.
std::string Report(const PowerState& state, const PickedNames& names,
                   std::optional<std::int64_t> linePower = std::nullopt);
