// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Memory modules, disks and optical drives, with the power of one device in watts.
// The dashes rows stand for an empty slot; picking them clears that row's watts.

#include <array>

#include "Catalogue.h"

inline constexpr auto memoryTypes = std::to_array<CatalogueRow>({
    {"DDR2", 5},
    {"DDR3 800MHz      ", 3},
    {"DDR3 1066MHz", 5},
    {"DDR3 1333MHz", 7},
    {"DDR3 1600MHz", 11},
    {"DDR3 1866MHz", 15},
    {"DDR3 2133MHz", 23},
    {"DDR3 2400MHz", 35},
});
static_assert(memoryTypes.size() == 8);

inline constexpr auto diskTypes = std::to_array<CatalogueRow>({
    {"IDE 5400rpm", 17},
    {"IDE 7200rpm", 16},
    {"SCSI 7200rpm", 28},
    {"SCSI 10000rpm", 29},
    {"SCSI 15000rpm", 31},
    {"SATA", 10},
    {"SATA-II/SATA-III", 24},
    {"SATA Green", 7},
    {"SSD", 1},
    {"--------------------", 0},
});
static_assert(diskTypes.size() == 10);

inline constexpr auto opticalTypes = std::to_array<CatalogueRow>({
    {"CD-ROM", 15},
    {"DVD-RW/DVD+RW", 27},
    {"DVD-ROM", 17},
    {"CD-RW", 21},
    {"DVD/CD-RW (Combo-drive)", 29},
    {"Floppy Disc Drive", 5},
    {"Blue ray Drive", 27},
    {"BR-RE/DVD/CD (Blue-Ray Combo)", 23},
    {"--------------------", 0},
});
static_assert(opticalTypes.size() == 9);
