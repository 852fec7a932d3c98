// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Graphics cards by series, with the power of one card in watts.
// A list's index selects the row, so the rows keep the order the lists show.

#include <array>
#include <string_view>

#include "Catalogue.h"

inline constexpr auto geForce5xx = std::to_array<CatalogueRow>({
    {"GeForce GTX 580", 365},
    {"GeForce GTX 570", 350},
    {"GeForce GTX 560 Ti", 260},
    {"GeForce GTX 560", 280},
    {"GeForce GTX 550 Ti", 210},
});
static_assert(geForce5xx.size() == 5);  // five reachable entries; a sixth was never in the list

inline constexpr auto geForce4xx = std::to_array<CatalogueRow>({
    {"GeForce GTX 480", 250},
    {"GeForce GTX 470", 220},
    {"GeForce GTX 465", 200},
    {"GeForce GTX 460", 160},
    {"GeForce GTS 450", 105},
    {"GeForce GT 440", 55},
    {"GeForce GT 430", 50},
    {"GeForce GT 420", 50},
});
static_assert(geForce4xx.size() == 8);

inline constexpr auto geForce3xx = std::to_array<CatalogueRow>({
    {"GeForce GT 340", 70},
    {"GeForce GT 330", 75},
    {"GeForce GT 320", 45},
    {"GeForce 315", 35},
    {"GeForce 310", 30},
});
static_assert(geForce3xx.size() == 5);

inline constexpr auto geForce2xx = std::to_array<CatalogueRow>({
    {"GeForce GTX 295", 290},
    {"GeForce GTS 285", 205},
    {"GeForce GTX 280", 235},
    {"GeForce GTX 275", 220},
    {"GeForce GTX 260", 180},
    {"GeForce GTS 250", 150},
    {"GeForce GTS 240", 120},
    {"GeForce GT 240", 70},
    {"GeForce GT 230", 65},
    {"GeForce GT 220", 60},
    {"GeForce G 210", 35},
    {"GeForce 210", 30},
    {"GeForce 205", 30},
});
static_assert(geForce2xx.size() == 13);

inline constexpr auto geForce1xx = std::to_array<CatalogueRow>({
    {"GeForce GTS 150", 140},
    {"GeForce GT 130", 75},
    {"GeForce GT 120", 50},
    {"GeForce G100", 35},
});
static_assert(geForce1xx.size() == 4);

inline constexpr auto geForce9xxx = std::to_array<CatalogueRow>({
    {"GeForce 9800 GX2", 200},
    {"GeForce 9800 GTX+", 140},
    {"GeForce 9800 GTX", 140},
    {"GeForce 9800 GT", 125},
    {"GeForce 9600 GSO", 105},
    {"GeForce 9600 GT", 95},
    {"GeForce 9500 GT", 50},
    {"GeForce 9400 GT", 50},
});
static_assert(geForce9xxx.size() == 8);

inline constexpr auto geForce8xxx = std::to_array<CatalogueRow>({
    {"GeForce 8800 Ultra", 175},
    {"GeForce 8800 GTX", 145},
    {"GeForce 8800 GTS 512", 135},
    {"GeForce 8800 GT", 105},
    {"GeForce 8800 GS", 105},
    {"GeForce 8600 GTS", 70},
    {"GeForce 8600 GT", 45},
    {"GeForce 8600 GS", 45},
    {"GeForce 8500 GT", 40},
    {"GeForce 8400 GT", 40},
});
static_assert(geForce8xxx.size() == 10);

inline constexpr auto geForce7xxx = std::to_array<CatalogueRow>({
    {"GeForce 7950 GX2", 110},
    {"GeForce 7900 GTX", 85},
    {"GeForce 7800 GTX", 80},
    {"GeForce 7600 GT", 35},
    {"GeForce 7300 GS", 15},
});
static_assert(geForce7xxx.size() == 5);

inline constexpr auto radeon6xxx = std::to_array<CatalogueRow>({
    {"Radeon HD 6990", 375},
    {"Radeon HD 6970", 275},
    {"Radeon HD 6950", 270},
    {"Radeon HD 6870", 220},
    {"Radeon HD 6850", 125},
    {"Radeon HD 6670", 90},
});
static_assert(radeon6xxx.size() == 6);

inline constexpr auto radeon5xxx = std::to_array<CatalogueRow>({
    {"Radeon HD 5970", 295},
    {"Radeon HD 5870 X2", 375},
    {"Radeon HD 5870", 190},
    {"Radeon HD 5850", 150},
    {"Radeon HD 5830", 175},
    {"Radeon HD 5770", 105},
    {"Radeon HD 5750", 85},
    {"Radeon HD 5670", 60},
    {"Radeon HD 5650", 60},
    {"Radeon HD 5570", 40},
    {"Radeon HD 5550", 40},
    {"Radeon HD 5450", 20},
});
static_assert(radeon5xxx.size() == 12);

inline constexpr auto radeon4xxx = std::to_array<CatalogueRow>({
    {"Radeon HD 4890", 190},
    {"Radeon HD 4870 X2", 285},
    {"Radeon HD 4870", 155},
    {"Radeon HD 4850 X2", 230},
    {"Radeon HD 4850", 115},
    {"Radeon HD 4830", 110},
    {"Radeon HD 4770", 80},
    {"Radeon HD 4670", 70},
    {"Radeon HD 4650", 55},
    {"Radeon HD 4550", 25},
    {"Radeon HD 4350", 20},
});
static_assert(radeon4xxx.size() == 11);

inline constexpr auto radeon3xxx = std::to_array<CatalogueRow>({
    {"Radeon HD 3870 X2", 190},
    {"Radeon HD 3870", 105},
});
static_assert(radeon3xxx.size() == 2);

inline constexpr auto radeon2xxx = std::to_array<CatalogueRow>({
    {"Radeon HD 2900 XT", 215},
    {"Radeon HD 2900 GT", 150},
    {"Radeon HD 2600 XT", 45},
    {"Radeon HD 2400 XT", 25},
});
static_assert(radeon2xxx.size() == 4);

inline constexpr auto radeon1xxx = std::to_array<CatalogueRow>({
    {"Radeon X1900XTX", 135},
    {"Radeon X1800XT", 115},
    {"Radeon X1800XL", 70},
});
static_assert(radeon1xxx.size() == 3);

inline constexpr auto nvidiaSeries = std::to_array<Family>({
    {"Серия 5xx", geForce5xx},
    {"Серия 4xx", geForce4xx},
    {"Серия 3xx", geForce3xx},
    {"Серия 2xx", geForce2xx},
    {"Серия 1xx", geForce1xx},
    {"Серия 9xxx", geForce9xxx},
    {"Серия 8xxx", geForce8xxx},
    {"Серия 7xxx", geForce7xxx},
});

inline constexpr auto atiSeries = std::to_array<Family>({
    {"Серия 6xxx", radeon6xxx},
    {"Серия 5xxx", radeon5xxx},
    {"Серия 4xxx", radeon4xxx},
    {"Серия 3xxx", radeon3xxx},
    {"Серия 2xxx", radeon2xxx},
    {"Серия 1xxx", radeon1xxx},
});

// The vendor list's entries in its order: ATI first, then NVIDIA.
inline constexpr auto graphicsVendors =
    std::to_array<std::string_view>({"ATI\\AMD", "NVIDIA", "-----------"});

static_assert(RowCount(nvidiaSeries) == 58);
static_assert(RowCount(atiSeries) == 38);
