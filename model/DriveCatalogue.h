// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Memory modules, disks and optical drives, with the power of one device in watts.
// The dashes rows stand for an empty slot; picking them clears that row's watts.

#include <array>

#include "Catalogue.h"

// Memory in ascending order: the original types, then those added since. The disk
// types added since come before the dashes entry, which stays last.
// Each added row: the entry, its watts, which of its maker's figures they are
// (Catalogue.h), and where that figure was read, or why it could not be read there.
// clang-format off
inline constexpr auto memoryTypes = std::to_array<CatalogueRow>({
    {"DDR2", 5},
    {"DDR3 800MHz      ", 3},
    {"DDR3 1066MHz", 5},
    {"DDR3 1333MHz", 7},
    {"DDR3 1600MHz", 11},
    {"DDR3 1866MHz", 15},
    {"DDR3 2133MHz", 23},
    {"DDR3 2400MHz", 35},
    {"DDR4 2133MHz", 5, Basis::PerModule, "https://www.crucial.in/support/articles-faq-memory/how-much-power-does-memory-use"},  // Crucial (Micron) guidance: estimate 5 W per module for standard consumer memory; any standard UDIMM, capacity/ranks not specified by the source, not speed-specific; a maker rule of thumb, not IDD x VDD; cross-check (third-party measurement, tomshardware.com Haswell-E review): Crucial DDR4-2133 8GB module 2.98 W
    {"DDR4 2400MHz", 5, Basis::PerModule, "https://www.crucial.in/support/articles-faq-memory/how-much-power-does-memory-use"},  // Crucial (Micron) guidance: estimate 5 W per module for standard consumer memory; any standard UDIMM, capacity/ranks not specified by the source, not speed-specific; a maker rule of thumb, not IDD x VDD; cross-check (UNVERIFIED, Micron MTA4ATF51264AZ 4GB 1R UDIMM data sheet on omo-ic.com mirror): IDD7 996 mA x 1.2 V + IPP7 60 mA x 2.5 V = 1.35 W
    {"DDR4 2666MHz", 5, Basis::PerModule, "https://www.crucial.in/support/articles-faq-memory/how-much-power-does-memory-use"},  // Crucial (Micron) guidance: estimate 5 W per module for standard consumer memory; any standard UDIMM, capacity/ranks not specified by the source, not speed-specific; a maker rule of thumb, not IDD x VDD; cross-check (UNVERIFIED, Micron MTA4ATF51264AZ 4GB 1R UDIMM data sheet on omo-ic.com mirror): IDD7 1036 mA x 1.2 V + IPP7 60 mA x 2.5 V = 1.39 W
    {"DDR4 2933MHz", 5, Basis::PerModule, "https://www.crucial.in/support/articles-faq-memory/how-much-power-does-memory-use"},  // Crucial (Micron) guidance: estimate 5 W per module for standard consumer memory; any standard UDIMM, capacity/ranks not specified by the source, not speed-specific; a maker rule of thumb, not IDD x VDD; JEDEC bin DDR4-2933 as listed in Micron DDR4 component data sheet (mirror)
    {"DDR4 3200MHz", 5, Basis::PerModule, "https://www.crucial.in/support/articles-faq-memory/how-much-power-does-memory-use"},  // Crucial (Micron) guidance: estimate 5 W per module for standard consumer memory; any standard UDIMM, capacity/ranks not specified by the source, not speed-specific; a maker rule of thumb, not IDD x VDD; JEDEC bin DDR4-3200 as listed in Micron DDR4 component data sheet (mirror); Kingston: DDR4 tops out at 3200MT/s
    {"DDR5 4800MHz", 5, Basis::PerModule, "https://www.crucial.in/support/articles-faq-memory/how-much-power-does-memory-use"},  // Crucial (Micron) guidance: estimate 5 W per module for standard consumer memory; any standard UDIMM, capacity/ranks not specified by the source, not speed-specific; a maker rule of thumb, not IDD x VDD; JEDEC DDR5-4800 A bin (JEDEC table read at anandtech.com); Kingston: DDR5 starts at 4800MT/s
    {"DDR5 5200MHz", 5, Basis::PerModule, "https://www.crucial.in/support/articles-faq-memory/how-much-power-does-memory-use"},  // Crucial (Micron) guidance: estimate 5 W per module for standard consumer memory; any standard UDIMM, capacity/ranks not specified by the source, not speed-specific; a maker rule of thumb, not IDD x VDD; JEDEC DDR5-5200 A bin (JEDEC table read at anandtech.com)
    {"DDR5 5600MHz", 5, Basis::PerModule, "https://www.crucial.in/support/articles-faq-memory/how-much-power-does-memory-use"},  // Crucial (Micron) guidance: estimate 5 W per module for standard consumer memory; any standard UDIMM, capacity/ranks not specified by the source, not speed-specific; a maker rule of thumb, not IDD x VDD; JEDEC DDR5-5600 A bin (JEDEC table read at anandtech.com)
    {"DDR5 6000MHz", 5, Basis::PerModule, "https://www.crucial.in/support/articles-faq-memory/how-much-power-does-memory-use"},  // Crucial (Micron) guidance: estimate 5 W per module for standard consumer memory; any standard UDIMM, capacity/ranks not specified by the source, not speed-specific; a maker rule of thumb, not IDD x VDD; JEDEC DDR5-6000 A bin (JEDEC table read at anandtech.com)
    {"DDR5 6400MHz", 5, Basis::PerModule, "https://www.crucial.in/support/articles-faq-memory/how-much-power-does-memory-use"},  // Crucial (Micron) guidance: estimate 5 W per module for standard consumer memory; any standard UDIMM, capacity/ranks not specified by the source, not speed-specific; a maker rule of thumb, not IDD x VDD; JEDEC DDR5-6400 A bin (JEDEC table read at anandtech.com)
});
static_assert(memoryTypes.size() == 8 + 10);

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
    {"NVMe PCIe 3.0", 8, Basis::PerDrive, "UNVERIFIED: Samsung data sheet not in the search store; PS0 7.80 W read at https://gist.github.com/mkell43/c5ca53a3e3e7af158e83e2095acfc154 (smartctl of the drive); 6.0 W write read at https://digit.in/reviews/general/samsung-970-evo-plus-nvme-m-2-ssd-250-gb-review-177943.html/amp"},  // Samsung 970 EVO Plus 1TB: maximum power of power state PS0 declared by the drive 7.80 W, rounded up to 8 W; Samsung's table of figures: write 6.0 W, read 5.5 W (1TB)
    {"NVMe PCIe 4.0", 9, Basis::PerDrive, "UNVERIFIED: Samsung data sheet not in the search store; read at https://mezha.media/en/2023/10/04/samsung-990-pro-ssd-lineup-includes-a-4tb-model/"},  // Samsung 990 PRO 4TB: average 6.5 W, maximum peak 8.6 W, rounded up to 9 W; the same 9 W is the most power state 0 allows, read in smartctl output, on a WD_BLACK SN850X 2TB (9.00 W, quoted in a linux-btrfs list message of 5 September 2025) and a Kingston FURY Renegade 2TB (8.80 W, https://github.com/linuxhw/SMART/blob/5c112c4747ae0210658feb5752d4e76c7b6b93e0/NVMe/Kingston/SFYRD/SFYRD2000G/01B6EED8C090)
    {"NVMe PCIe 5.0", 11, Basis::PerDrive, "UNVERIFIED: Gigabyte page not in the search store; read at https://geektopia.es/es/technology/2023/02/06/noticias/amp/gigabyte-anuncia-la-aorus-gen5-10000-ssd-con-conexion-pcie-5-0-y-alcanza-los-10-gb-s.html"},  // Gigabyte AORUS Gen5 10000 (Phison E26, PCIe 5.0 x4): power consumption below 11 W, taken as 11 W; no figure found for Crucial T705 or Samsung 9100 PRO
    {"SSD SATA", 4, Basis::PerDrive, "UNVERIFIED: WD user manual read on a mirror, not on WD's site: https://www.manualsdir.com/manuals/865417/western-digital-wd-2tb-3d-nand-sata-iii-25-internal-ssd-retail.html?page=16"},  // WD Blue 3D NAND SATA SSD 2TB 2.5": average maximum write power 3800 mW (includes 20% margin), rounded up to 4 W; may instead refresh the existing "SSD" entry
    {"HDD 7200rpm", 6, Basis::PerDrive, "UNVERIFIED: Toshiba data sheet not in the search store; read at https://www.zdnet.com/article/toshiba-unveils-2tb-p300-smr-hard-drives/"},  // Toshiba P300 2TB (SMR, 7200 rpm, 3.5"): typical read/write 5.21 W, rounded up to 6 W; spin-up surge not included
    {"--------------------", 0},
});
static_assert(diskTypes.size() == 10 + 5);
// clang-format on

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
