// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Everything the user has picked, reduced to whole numbers, and the subtotals
// computed from it. Picks write the selection fields; Recalculate() derives the rest.

#include <array>
#include <cstdint>

struct Breakdown;

inline constexpr std::int32_t baseWatts = 80;  // in every total, whatever is picked

inline constexpr int diskRows = 4;
inline constexpr int opticalRows = 4;
inline constexpr int fanCells = 15;  // five sizes by three kinds, size first

// Watts per fan, cell 3 * size + kind; kinds are plain, with LED, processor cooler.
// Measured figures: they follow no rule of size or kind.
inline constexpr std::array<std::int32_t, fanCells> fanWatts{
    1,  3,  8,   // 80 mm
    3,  5,  8,   // 92 mm
    5,  6,  11,  // 120 mm
    9,  10, 21,  // 140 mm
    10, 11, 29,  // 200 mm
};

struct PowerState {
    // Selections. Counts start at 1 so that a model picked alone counts one device.
    std::int32_t cpuWatts = 0;
    std::int32_t cpuOverclock = 0;  // percent
    std::int32_t gpuWatts = 0;      // one card
    std::int32_t gpuCount = 1;
    std::int32_t gpuOverclock = 0;  // percent
    std::int32_t ramWatts = 0;      // one module
    std::int32_t ramCount = 1;
    std::int32_t ramOverclock = 0;  // percent
    std::array<std::int32_t, diskRows> hddWatts{};
    std::array<std::int32_t, diskRows> hddCount{1, 1, 1, 1};
    std::array<std::int32_t, opticalRows> opticalWatts{};
    std::array<std::int32_t, opticalRows> opticalCount{1, 1, 1, 1};
    std::array<std::int32_t, fanCells> fanCount{};

    // Derived by Recalculate() only; stale between calls.
    std::int32_t cpuTotal = 0;
    std::int32_t gpuTotal = 0;
    std::int32_t ramTotal = 0;
    std::int32_t hddTotal = 0;
    std::int32_t opticalTotal = 0;
    std::int32_t fanTotal = 0;
    std::int32_t grandTotal = 0;

    // Stores the subtotals and the grand total that Compute() (Breakdown.h) finds
    // for the selections, every one from scratch, and returns all it found, so
    // that whatever shows a figure or its working needs no computation of its own.
    Breakdown Recalculate();
};
