// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Processor models by family, with the maker's rated power per model in watts.
// A list's index selects the row, so the rows keep the order the lists show.

#include <array>
#include <string_view>

#include "Catalogue.h"

inline constexpr auto amdASeries = std::to_array<CatalogueRow>({
    {"A8-3850", 100},
    {"A6-3650", 100},
});
static_assert(amdASeries.size() == 2);

inline constexpr auto amdPhenomIIX6 = std::to_array<CatalogueRow>({
    {"1100T", 125},
    {"1090T", 125},
    {"1075T", 125},
    {"1065T", 95},
    {"1055T", 125},
    {"1045T", 95},
});
static_assert(amdPhenomIIX6.size() == 6);

inline constexpr auto amdPhenomIIX4 = std::to_array<CatalogueRow>({
    {"980", 125},
    {"975", 125},
    {"970", 125},
    {"965", 125},
    {"955", 125},
    {"925", 95},
    {"840", 95},
    {"910e", 65},
    {"905e", 65},
});
static_assert(amdPhenomIIX4.size() == 9);

inline constexpr auto amdPhenomIIX3 = std::to_array<CatalogueRow>({
    {"705e", 65},
});
static_assert(amdPhenomIIX3.size() == 1);

inline constexpr auto amdPhenomIIX2 = std::to_array<CatalogueRow>({
    {"565", 80},
    {"560", 80},
    {"555", 80},
});
static_assert(amdPhenomIIX2.size() == 3);

inline constexpr auto amdAthlonIIX4 = std::to_array<CatalogueRow>({
    {"645", 95},
    {"640", 95},
    {"615e", 45},
    {"610e", 45},
    {"605e", 45},
    {"600e", 45},
});
static_assert(amdAthlonIIX4.size() == 6);

inline constexpr auto amdAthlonIIX3 = std::to_array<CatalogueRow>({
    {"460", 95},
    {"455", 95},
    {"450", 95},
    {"445", 95},
    {"420e", 45},
    {"415e", 45},
    {"405e", 45},
    {"400e", 45},
});
static_assert(amdAthlonIIX3.size() == 8);

inline constexpr auto amdAthlonIIX2 = std::to_array<CatalogueRow>({
    {"265", 65},
    {"260", 65},
    {"255", 65},
    {"250", 65},
    {"245", 65},
    {"240", 65},
    {"220", 65},
    {"215", 65},
    {"250e", 45},
    {"245e", 45},
    {"240e", 45},
    {"235e", 45},
    {"270u", 25},
    {"260u", 25},
    {"250u", 25},
    {"160u", 20},
});
static_assert(amdAthlonIIX2.size() == 16);

inline constexpr auto intelCoreI7 = std::to_array<CatalogueRow>({
    {"990X", 130},
    {"980X", 130},
    {"975", 130},
    {"970", 130},
    {"965", 130},
    {"960", 130},
    {"950", 130},
    {"940", 130},
    {"930", 130},
    {"920", 130},
    {"880", 95},
    {"875K", 95},
    {"2600S", 65},
    {"2600K", 95},
    {"2600", 95},
});
static_assert(intelCoreI7.size() == 15);

inline constexpr auto intelCoreI5 = std::to_array<CatalogueRow>({
    {"760", 95},   {"750S", 82}, {"750", 95},   {"680", 73},   {"670", 73},   {"661", 87},  {"660", 73},
    {"655K", 73},  {"650", 73},  {"2500T", 45}, {"2500S", 65}, {"2500K", 95}, {"2500", 95}, {"2405S", 65},
    {"2400S", 65}, {"2400", 95}, {"2390T", 35}, {"2310", 95},  {"2300", 95},
});
static_assert(intelCoreI5.size() == 19);

inline constexpr auto intelCoreI3 = std::to_array<CatalogueRow>({
    {"560", 73},
    {"550", 73},
    {"540", 73},
    {"530", 73},
    {"2120", 65},
    {"2105", 65},
    {"2100T", 35},
    {"2100", 65},
});
static_assert(intelCoreI3.size() == 8);

inline constexpr auto intelCore2 = std::to_array<CatalogueRow>({
    {"X6800", 75},   {"QX9775", 150}, {"QX9770", 136}, {"QX9650", 130}, {"QX6850", 130}, {"QX6800", 130},
    {"QX6700", 130}, {"Q9650", 95},   {"Q9550S", 65},  {"Q9550", 95},   {"Q9505S", 65},  {"Q9505", 95},
    {"Q9500", 95},   {"Q9450", 95},   {"Q9400S", 65},  {"Q9400", 95},   {"Q9300", 95},   {"Q8400S", 65},
    {"Q8400", 95},   {"Q8300", 95},   {"Q8200S", 65},  {"Q8200", 95},   {"Q6700", 105},  {"Q6600", 105},
    {"E8600", 65},   {"E8500", 65},   {"E8400", 65},   {"E8300", 65},   {"E8200", 65},   {"E8190", 65},
    {"E7600", 65},   {"E7500", 65},   {"E7400", 65},   {"E7300", 65},   {"E7200", 65},   {"E6850", 65},
    {"E6750", 65},   {"E6700", 65},   {"E6600", 65},   {"E6550", 65},   {"E6540", 65},   {"E6420", 65},
    {"E6400", 65},   {"E6320", 65},   {"E6300", 65},   {"E4700", 65},   {"E4600", 65},   {"E4500", 65},
    {"E4400", 65},   {"E4300", 65},
});
static_assert(intelCore2.size() == 50);

// Order matters: the vendor list's index picks the family list, the family list's
// index picks the model list.
inline constexpr auto amdFamilies = std::to_array<Family>({
    {"AMD A-Series", amdASeries},
    {"AMD Phenom™ II X6", amdPhenomIIX6},
    {"AMD Phenom™ II X4", amdPhenomIIX4},
    {"AMD Phenom™ II X3", amdPhenomIIX3},
    {"AMD Phenom™ II X2", amdPhenomIIX2},
    {"AMD Athlon™ II X4", amdAthlonIIX4},
    {"AMD Athlon™ II X3", amdAthlonIIX3},
    {"AMD Athlon™ II X2", amdAthlonIIX2},
});

inline constexpr auto intelFamilies = std::to_array<Family>({
    {"Intel Core i7", intelCoreI7},
    {"Intel Core i5", intelCoreI5},
    {"Intel Core i3", intelCoreI3},
    {"Intel Core 2", intelCore2},
});

inline constexpr auto processorVendors = std::to_array<std::string_view>({"AMD", "INTEL", "----------"});

static_assert(RowCount(amdFamilies) + RowCount(intelFamilies) == 143);
