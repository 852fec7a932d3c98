// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one computation of the figures: Recalculate() stores its subtotals and the
// working prints its intermediate figures, so the two cannot disagree.

#include <array>
#include <cstddef>
#include <cstdint>

#include "PowerState.h"

struct ProcessorFigures {
    std::int32_t share = 0;  // the overclock's part of the watts, truncated
    std::int32_t total = 0;
};

struct GraphicsFigures {
    std::int32_t allCards = 0;  // watts of one card times the cards
    std::int32_t share = 0;     // the overclock's part, truncated once over all cards
    std::int32_t total = 0;
};

struct MemoryFigures {
    std::int32_t sharePerModule = 0;  // the overclock's part, truncated per module
    std::int32_t total = 0;
};

// Rows of devices, or fan cells: each one's watts times its count, and their sum.
template <std::size_t Rows>
struct RowFigures {
    std::array<std::int32_t, Rows> each{};
    std::int32_t total = 0;
};

struct Breakdown {
    ProcessorFigures cpu;
    GraphicsFigures gpu;
    MemoryFigures ram;
    RowFigures<diskRows> hdd;
    RowFigures<opticalRows> optical;
    RowFigures<fanCells> fans;
    std::int32_t grandTotal = 0;
};

template <std::size_t Rows>
constexpr RowFigures<Rows> RowProducts(const std::array<std::int32_t, Rows>& each,
                                       const std::array<std::int32_t, Rows>& count) {
    RowFigures<Rows> figures;
    for (std::size_t row = 0; row < Rows; ++row) {
        figures.each[row] = each[row] * count[row];
        figures.total += figures.each[row];
    }
    return figures;
}

// Reads only the selection fields: the stored subtotals may be stale. Integer
// arithmetic throughout, and each division exactly where it stands: the figures
// must match the published tables to the watt, so the points of truncation are
// part of the formulas. Inline, so that Recalculate(), which keeps only the
// subtotals, pays for no other figure.
constexpr Breakdown Compute(const PowerState& s) {
    Breakdown figures;
    figures.fans = RowProducts(s.fanCount, fanWatts);
    figures.hdd = RowProducts(s.hddWatts, s.hddCount);
    // The overclock share is truncated per module, before it is multiplied by the count.
    figures.ram.sharePerModule = s.ramWatts * s.ramOverclock * s.ramOverclock / 800;
    figures.ram.total = figures.ram.sharePerModule * s.ramCount + s.ramWatts * s.ramCount;
    figures.optical = RowProducts(s.opticalWatts, s.opticalCount);
    // Truncated once, over all cards together.
    figures.gpu.allCards = s.gpuWatts * s.gpuCount;
    figures.gpu.share = s.gpuOverclock * s.gpuWatts * s.gpuCount / 100;
    figures.gpu.total = figures.gpu.share + figures.gpu.allCards;
    // A processor gains half the percentage of its watts plus the percentage itself.
    figures.cpu.share = s.cpuWatts * s.cpuOverclock / 200;
    figures.cpu.total = figures.cpu.share + s.cpuWatts + s.cpuOverclock;
    figures.grandTotal = baseWatts + figures.cpu.total + figures.gpu.total + figures.ram.total +
                         figures.hdd.total + figures.optical.total + figures.fans.total;
    return figures;
}
