// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How each figure was reached, as plain text: the window shows a category's lines
// as its tooltip and copies Report() to the clipboard, so both read the same lines.
// Every function here writes down figures a refresh has already computed
// (Breakdown); none computes them again.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Catalogue.h"
#include "Category.h"
#include "PowerState.h"

struct Breakdown;

inline constexpr std::int32_t supplyReserveWatts = 50;
// The supply line that carries nearly all the load.
inline constexpr std::int32_t supplyLineVolts = 12;

// The catalogue row whose watts each watts field holds: its text names the part,
// its basis says which figure the watts are. None when no row was picked, or after
// a vendor's dashes entry cleared it.
struct PickedRows {
    const CatalogueRow* cpuModel = nullptr;
    const CatalogueRow* gpuModel = nullptr;
    const CatalogueRow* ramType = nullptr;
    std::array<const CatalogueRow*, diskRows> hddType{};
    std::array<const CatalogueRow*, opticalRows> opticalType{};
};

// Which of its maker's figures a row's watts are, as the working says it; empty
// for the original rows, whose figures name no source.
std::string_view BasisText(const CatalogueRow& row);
// The part as the working names it: its text and, where it has one, its basis.
std::string PartName(const CatalogueRow* row);

// The lines of working behind one category's subtotal: the selections it was
// computed from and the figures `figures` holds for them. The last line ends on
// the subtotal.
std::vector<std::string> Working(Category category, const PowerState& selections, const Breakdown& figures,
                                 const PickedRows& names);
// The lines behind the grand total: the sum, the suggested supply, the 12 V current.
std::vector<std::string> TotalWorking(const Breakdown& figures);
// The grand total plus the reserve, rounded up to the next common supply size.
std::int32_t SuggestedSupply(std::int32_t total);
// What the total draws on the 12 V line, in whole amperes rounded up. Rounding up
// is toward plus infinity, so a negative total, which no pick can produce, is
// truncated toward zero rather than made more negative.
std::int32_t TwelveVoltAmperes(std::int32_t total);
// Whether a supply line of `linePower` watts carries the grand total with the
// reserve: the margin and the load, or the shortfall; with no total yet, that
// there is nothing to compare. `linePower` is the
// converter's product of two 32-bit numbers, so at most 2^62 either way.
std::string SupplyCheck(std::int64_t linePower, std::optional<std::int32_t> total);
// The plain-text report: one line per category, then the total, the supply and the
// current, and, once the converter has given a line's power, the supply check.
// Before the first pick there are no figures: the window shows none, and the
// report says that nothing is picked yet.
std::string Report(const PowerState& selections, const std::optional<Breakdown>& figures,
                   const PickedRows& names, std::optional<std::int64_t> linePower = std::nullopt);
