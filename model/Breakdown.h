// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one computation of the figures. A refresh computes them once: Recalculate()
// stores the subtotals, and the labels, the working and the report are written
// from the same figures, so none of them can disagree with another.

#include <array>
#include <cstddef>
#include <cstdint>

#include "Category.h"
#include "PowerState.h"

// The three overclock rules are three formulas, not one with different constants.
inline constexpr std::int32_t cpuOverclockDivisor = 200;  // half the percentage of the watts
inline constexpr std::int32_t gpuOverclockDivisor = 100;  // the percentage of the watts
inline constexpr std::int32_t ramOverclockDivisor = 800;  // applied to the percentage squared

struct Breakdown {
    std::int32_t cpuShare = 0;           // the overclock's part of the processor, truncated
    std::int32_t gpuAllCards = 0;        // watts of one card times the cards
    std::int32_t gpuShare = 0;           // the overclock's part, truncated once over all cards
    std::int32_t ramSharePerModule = 0;  // the overclock's part, truncated per module
    // Each row's, or fan cell's, watts times its count.
    std::array<std::int32_t, diskRows> hddRowWatts{};
    std::array<std::int32_t, opticalRows> opticalRowWatts{};
    std::array<std::int32_t, fanCells> fanCellWatts{};
    ByCategory<std::int32_t> subtotals;
    std::int32_t grandTotal = 0;
};

template <std::size_t Rows>
constexpr std::array<std::int32_t, Rows> Products(const std::array<std::int32_t, Rows>& each,
                                                  const std::array<std::int32_t, Rows>& count) {
    std::array<std::int32_t, Rows> products{};
    for (std::size_t row = 0; row < Rows; ++row) products[row] = each[row] * count[row];
    return products;
}

template <std::size_t Rows>
constexpr std::int32_t Sum(const std::array<std::int32_t, Rows>& values) {
    std::int32_t sum = 0;
    for (const std::int32_t value : values) sum += value;
    return sum;
}

// Reads only the selection fields: the stored subtotals may be stale. Integer
// arithmetic throughout, and each division exactly where it stands: the figures
// must match the published tables to the watt, so the points of truncation are
// part of the formulas.
constexpr Breakdown Compute(const PowerState& s) {
    Breakdown figures;
    ByCategory<std::int32_t>& subtotal = figures.subtotals;
    figures.fanCellWatts = Products(s.fanCount, fanWatts);
    subtotal[Category::Fans] = Sum(figures.fanCellWatts);
    figures.hddRowWatts = Products(s.hddWatts, s.hddCount);
    subtotal[Category::Disks] = Sum(figures.hddRowWatts);
    // The overclock share is truncated per module, before it is multiplied by the count.
    figures.ramSharePerModule = s.ramWatts * s.ramOverclock * s.ramOverclock / ramOverclockDivisor;
    subtotal[Category::Memory] = figures.ramSharePerModule * s.ramCount + s.ramWatts * s.ramCount;
    figures.opticalRowWatts = Products(s.opticalWatts, s.opticalCount);
    subtotal[Category::Optical] = Sum(figures.opticalRowWatts);
    // Truncated once, over all cards together.
    figures.gpuAllCards = s.gpuWatts * s.gpuCount;
    figures.gpuShare = s.gpuOverclock * s.gpuWatts * s.gpuCount / gpuOverclockDivisor;
    subtotal[Category::Graphics] = figures.gpuShare + figures.gpuAllCards;
    // A processor gains half the percentage of its watts plus the percentage itself.
    figures.cpuShare = s.cpuWatts * s.cpuOverclock / cpuOverclockDivisor;
    subtotal[Category::Processor] = figures.cpuShare + s.cpuWatts + s.cpuOverclock;
    figures.grandTotal = baseWatts + Sum(subtotal.values);
    return figures;
}
