// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Graphics cards by series, with the power of one card in watts (which of its
// maker's figures, Catalogue.h says).
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

// Series added since the original catalogue, newest first.
// Each row: the entry, its watts, which of its maker's figures they are (Catalogue.h),
// and where that figure was read, or why it could not be read on the maker's page.
// clang-format off
inline constexpr auto geForceRTX50 = std::to_array<CatalogueRow>({
    {"RTX 5090", 575, Basis::GraphicsPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://gamingpcadvice.com/2025/02/09/nvidia-rtx-50-series-gpus-are-here/?like_comment=81"},  // TGP (W) column of a table of figures credited to nvidia.com; same 575 in https://github.com/stillwater-sc/KPU-Simulator (docs/rtx_tdp_power_table.md) and in the PC Lab Builder file
    {"RTX 5080", 360, Basis::GraphicsPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://gamingpcadvice.com/2025/02/09/nvidia-rtx-50-series-gpus-are-here/?like_comment=81"},  // same 360 in the KPU-Simulator table and the PC Lab Builder file
    {"RTX 5070 Ti", 300, Basis::GraphicsPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://gamingpcadvice.com/2025/02/09/nvidia-rtx-50-series-gpus-are-here/?like_comment=81"},  // same 300 in the KPU-Simulator table and the PC Lab Builder file
    {"RTX 5070", 250, Basis::GraphicsPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://gamingpcadvice.com/2025/02/09/nvidia-rtx-50-series-gpus-are-here/?like_comment=81"},  // same 250 in the KPU-Simulator table and the PC Lab Builder file
    {"RTX 5060 Ti 16GB", 180, Basis::GraphicsPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://hi-tech.ua/en/nvidia-geforce-rtx-5060-graphics-cards-will-go-on-sale-from-may-19/"},  // page: power consumption 180 W for both 8 GB and 16 GB versions; same 180 in the KPU-Simulator table and the PC Lab Builder file
    {"RTX 5060 Ti", 180, Basis::GraphicsPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://hi-tech.ua/en/nvidia-geforce-rtx-5060-graphics-cards-will-go-on-sale-from-may-19/"},  // 8 GB version; page gives 180 W for both versions; same 180 in the KPU-Simulator table and the PC Lab Builder file
    {"RTX 5060", 145, Basis::GraphicsPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://pokde.net/system/pc/gpu/nvidia-confirms-rtx-5060-may-19"},  // pokde: TDP 145W desktop; also 145 W at https://pkpressclub.com/nvidia-confirms-the-date-of-the-sale-of-the-rtx-5060-gpu-setting-up-a-possible-force-test-with-rx-9060-xt-of-amd and in the PC Lab Builder file; CONFLICT: hi-tech.ua says 150 W, KPU-Simulator table says 170W; no Founders Edition
    {"RTX 5050", 130, Basis::GraphicsPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://github.com/stillwater-sc/KPU-Simulator (docs/rtx_tdp_power_table.md)"},  // same 130 in the PC Lab Builder file; desktop card, no Founders Edition page read
});
static_assert(geForceRTX50.size() == 8);

inline constexpr auto geForceRTX40 = std::to_array<CatalogueRow>({
    {"RTX 4090", 450, Basis::GraphicsPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://gamingpcadvice.com/2025/02/09/nvidia-rtx-50-series-gpus-are-here/?like_comment=81"},  // same 450 in the KPU-Simulator table and the PC Lab Builder file
    {"RTX 4080 SUPER", 320, Basis::GraphicsPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://github.com/stillwater-sc/KPU-Simulator (docs/rtx_tdp_power_table.md)"},  // same 320 in the PC Lab Builder file
    {"RTX 4080", 320, Basis::GraphicsPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://gamingpcadvice.com/2025/02/09/nvidia-rtx-50-series-gpus-are-here/?like_comment=81"},  // same 320 in the KPU-Simulator table and the PC Lab Builder file
    {"RTX 4070 Ti SUPER", 285, Basis::GraphicsPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://github.com/stillwater-sc/KPU-Simulator (docs/rtx_tdp_power_table.md)"},  // same 285 in the PC Lab Builder file
    {"RTX 4070 Ti", 285, Basis::GraphicsPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://github.com/stillwater-sc/KPU-Simulator (docs/rtx_tdp_power_table.md)"},  // same 285 in the PC Lab Builder file and at https://www.benchmark.pl/aktualnosci/cena-geforce-rtx-4070-wiemy-ile-bedzie-kosztowac-nowa-karta.html
    {"RTX 4070 SUPER", 220, Basis::GraphicsPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://github.com/stillwater-sc/KPU-Simulator (docs/rtx_tdp_power_table.md)"},  // same 220 in the PC Lab Builder file
    {"RTX 4070", 200, Basis::GraphicsPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://i2hard.ru/publications/32710/?lang=ru"},  // page: NVIDIA states 200 W (average gaming 186 W); same 200 in the KPU-Simulator table and the PC Lab Builder file (GDDR6X version)
    {"RTX 4060 Ti 16GB", 165, Basis::GraphicsPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (PC Lab Builder 1.25.0 GPU table that names nvidia.com compare page as its source; the index did not name its repository; index file id 68528252181)"},  // 165 also hard-coded as NVIDIA's per-variant figure in a public scraper of nvidia.com compare page (index file id 68937204096); CONFLICT: launch reports (pangoly.com, gamebastion.com) and the KPU-Simulator table give 160 W for both variants
    {"RTX 4060 Ti", 160, Basis::GraphicsPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://pangoly.com/en/blog/the-mid-range-makes-a-comeback-with-nvidias-rtx-4060-and-amds-rx-7600/192"},  // 8 GB version; pangoly TGP table 160 W; same 160 in the KPU-Simulator table and the PC Lab Builder file
    {"RTX 4060", 115, Basis::GraphicsPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://pangoly.com/en/blog/the-mid-range-makes-a-comeback-with-nvidias-rtx-4060-and-amds-rx-7600/192"},  // pangoly TGP table 115 W; same 115 in the KPU-Simulator table and the PC Lab Builder file
});
static_assert(geForceRTX40.size() == 10);

inline constexpr auto geForceRTX30 = std::to_array<CatalogueRow>({
    {"RTX 3090 Ti", 450, Basis::GraphicsPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://github.com/stillwater-sc/KPU-Simulator (docs/rtx_tdp_power_table.md)"},  // same 450 in the PC Lab Builder file
    {"RTX 3090", 350, Basis::GraphicsPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://github.com/stillwater-sc/KPU-Simulator (docs/rtx_tdp_power_table.md)"},  // same 350 in the PC Lab Builder file and at https://thetechfeed.site/rtx-50-series-compared-to-prior-gen-what-we-know-so-far-custom-gaming-workstation-pc-blog
    {"RTX 3080 Ti", 350, Basis::GraphicsPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://github.com/stillwater-sc/KPU-Simulator (docs/rtx_tdp_power_table.md)"},  // same 350 in the PC Lab Builder file
    {"RTX 3080 12GB", 350, Basis::GraphicsPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://github.com/stillwater-sc/KPU-Simulator (docs/rtx_tdp_power_table.md)"},  // same 350 in the PC Lab Builder file
    {"RTX 3080", 320, Basis::GraphicsPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://github.com/stillwater-sc/KPU-Simulator (docs/rtx_tdp_power_table.md)"},  // 10 GB version; same 320 in the PC Lab Builder file
    {"RTX 3070 Ti", 290, Basis::GraphicsPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://github.com/stillwater-sc/KPU-Simulator (docs/rtx_tdp_power_table.md)"},  // same 290 in the PC Lab Builder file
    {"RTX 3070", 220, Basis::GraphicsPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://github.com/stillwater-sc/KPU-Simulator (docs/rtx_tdp_power_table.md)"},  // same 220 in the PC Lab Builder file
    {"RTX 3060 Ti GDDR6X", 200, Basis::GraphicsPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://www.purepc.pl/nvidia-geforce-rtx-3060-ti-g6x-ma-calkowicie-zastapic-starszy-model-z-pamieciami-gddr6"},  // purepc table TDP 200 W for RTX 3060 Ti G6X; tomshw.it also says TDP stays at 200W
    {"RTX 3060 Ti", 200, Basis::GraphicsPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://www.purepc.pl/nvidia-geforce-rtx-3060-ti-g6x-ma-calkowicie-zastapic-starszy-model-z-pamieciami-gddr6"},  // GDDR6 version; same 200 in the KPU-Simulator table and the PC Lab Builder file
    {"RTX 3060", 170, Basis::GraphicsPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://www.purepc.pl/nvidia-geforce-rtx-3060-ti-g6x-ma-calkowicie-zastapic-starszy-model-z-pamieciami-gddr6"},  // 12 GB version; same 170 in the KPU-Simulator table and the PC Lab Builder file
    {"RTX 3060 8GB", 170, Basis::GraphicsPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://www.purepc.pl/nvidia-geforce-rtx-3060-ti-g6x-ma-calkowicie-zastapic-starszy-model-z-pamieciami-gddr6"},  // purepc table 170 W; thinkcomputers.org: same TDP rating as 12 GB; same 170 in the PC Lab Builder file
    {"RTX 3050", 130, Basis::GraphicsPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://github.com/stillwater-sc/KPU-Simulator (docs/rtx_tdp_power_table.md)"},  // 8 GB version; same 130 in the PC Lab Builder file and at https://geektopia.es/es/technology/2022/01/04/noticias/amp/nvidia-anuncia-la-geforce-rtx-3050-costara-249-dolares-y-llega-el-27-de-enero.html
    {"RTX 3050 6GB", 70, Basis::GraphicsPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://thinkcomputers.org/nvidia-geforce-rtx-3050-6gb-officially-launched/"},  // page: total graphics power (TGP) 70W; same 70 in the PC Lab Builder file
});
static_assert(geForceRTX30.size() == 13);

inline constexpr auto geForceRTX20 = std::to_array<CatalogueRow>({
    {"RTX 2080 Ti", 250, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // reference-clock figure; same 250 in the PC Lab Builder file; wccftech review (https://wccftech.com/review/nvidia-geforce-rtx-2080-ti-and-rtx-2080-review/17/) gives 260W for the factory-overclocked Founders Edition
    {"RTX 2080 SUPER", 250, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // same 250 in the PC Lab Builder file
    {"RTX 2080", 215, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // reference-clock figure; same 215 in the PC Lab Builder file; wccftech review gives 225W for the Founders Edition
    {"RTX 2070 SUPER", 215, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // same 215 in the PC Lab Builder file
    {"RTX 2070", 175, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // reference-clock figure; same 175 in the PC Lab Builder file; Founders Edition figure not read
    {"RTX 2060 SUPER", 175, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://news-italys.com/nvidia-reveals-the-geforce-rtx-2060-12gb-gpus-specifications/"},  // TDP (Watts) row of the page's table; same 175 in the GpuTracker and PC Lab Builder files
    {"RTX 2060 12GB", 185, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://news-italys.com/nvidia-reveals-the-geforce-rtx-2060-12gb-gpus-specifications/"},  // TDP (Watts) row 185; hmc-tech.com also 185W; goodgamesnews.com and cputronic.com say 184 W
    {"RTX 2060", 160, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://fudzilla.com/news/graphics/47888-nvidia-announces-the-geforce-rtx-2060"},  // fudzilla: 160W TDP (Founders Edition clocks); same 160 in the news-italys table and the GpuTracker file
});
static_assert(geForceRTX20.size() == 8);

inline constexpr auto geForceGTX16 = std::to_array<CatalogueRow>({
    {"GTX 1660 Ti", 120, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // same 120 in the PC Lab Builder file
    {"GTX 1660 SUPER", 125, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // same 125 in the PC Lab Builder file
    {"GTX 1660", 120, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // same 120 in the PC Lab Builder file and at https://hmc-tech.com/gpu/nvidia-geforce-rtx-2060-12gb-vs-nvidia-geforce-gtx-1660
    {"GTX 1650 SUPER", 100, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // same 100 in the PC Lab Builder file and at https://hmc-tech.com/gpu/nvidia-geforce-rtx-2060-12gb-vs-nvidia-geforce-gtx-1650-super
    {"GTX 1650", 75, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // PC Lab Builder file gives 75 for both GDDR5 and GDDR6 versions
    {"GTX 1630", 75, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://en.mashdigi.com/nvidia-quietly-launches-a-more-entry-level-geforce-gtx-1630-graphics-card/"},  // no reference card; 75 W also at world-today-news.com and purepc.pl
});
static_assert(geForceGTX16.size() == 6);

inline constexpr auto nvidiaTitan = std::to_array<CatalogueRow>({
    {"TITAN RTX", 280, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // the file's tdp field, 280 W (TU102-400-A1)
    {"TITAN V", 250, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://geektopia.es/es/technology/2017/12/08/articulos/nvidia-presenta-la-titan-v-basada-en-el-chip-gv100-y-de-3100-euros.html"},  // comparison table row "TDP 250 W"; not in the GpuTracker file
    {"TITAN Xp", 250, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // the file's tdp field, 250 W (GP102-450-A1)
    {"TITAN X (Pascal)", 250, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // the file's tdp field for "Nvidia Titan X", 250 W (GP102-400-A1, August 2016)
    {"GTX TITAN X", 250, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // the Maxwell card; the file's tdp field, 250 W (GM200-400)
    {"GTX TITAN Z", 375, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // the file's tdp field, 375 W (two GK110-350)
    {"GTX TITAN Black", 250, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // the file's tdp field, 250 W (GK110-430)
    {"GTX TITAN", 250, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // the file's tdp field, 250 W (GK110-400, February 2013)
});
static_assert(nvidiaTitan.size() == 8);

inline constexpr auto geForceGTX10 = std::to_array<CatalogueRow>({
    {"GTX 1080 Ti", 250, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://www.tomshardware.com/reviews/nvidia-geforce-gtx-1080-ti,4972-6.html"},  // Founders Edition power target 250W; same 250 in the GpuTracker and PC Lab Builder files
    {"GTX 1080", 180, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // same 180 in the PC Lab Builder file; a public repo note (index file id 20368296250) quotes geforce.com GTX 1080 specs: 180W Graphics Card Power (W)
    {"GTX 1070 Ti", 180, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // same 180 in the PC Lab Builder file
    {"GTX 1070", 150, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // same 150 in the PC Lab Builder file
    {"GTX 1060 6GB", 120, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // same 120 in the PC Lab Builder file
    {"GTX 1060 3GB", 120, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // same 120 in the PC Lab Builder file
    {"GTX 1050 Ti", 75, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // same 75 in the PC Lab Builder file
    {"GTX 1050 3GB", 75, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},
    {"GTX 1050", 75, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // 2 GB version; same 75 in the PC Lab Builder file
    {"GT 1030", 30, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // GDDR5 version; same 30 in the PC Lab Builder file
    {"GT 1030 DDR4", 20, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // same 20 in the PC Lab Builder file
    {"GT 1010", 30, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://www.hardwareluxx.de/index.php/news/hardware/grafikkarten/58039-weniger-geht-kaum-geforce-gt-1010-als-neue-einsteiger-karte-von-nvidia.html"},  // mainly OEM; 30 W also at ipon.hu; diit.cz reports a later 20 W version
});
static_assert(geForceGTX10.size() == 12);

inline constexpr auto geForce9xx = std::to_array<CatalogueRow>({
    {"GTX 980 Ti", 250, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // same 250 in the PC Lab Builder file
    {"GTX 980", 165, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // same 165 in the PC Lab Builder file; CONFLICT: pcgamer.com table of figures gives TDP 195W
    {"GTX 970", 145, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://www.pcgamer.com/nvidia-gtx-980-tested-sli-4k-and-single-gpu-benchmarks-and-impressions/"},  // same 145 in the GpuTracker and PC Lab Builder files
    {"GTX 960", 120, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://hmc-tech.com/gpu/nvidia-geforce-gtx-760-vs-nvidia-geforce-gtx-960"},  // same 120 in the GpuTracker and PC Lab Builder files
    {"GTX 950", 90, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // same 90 in the PC Lab Builder file
});
static_assert(geForce9xx.size() == 5);

inline constexpr auto geForce7xx = std::to_array<CatalogueRow>({
    {"GTX 780 Ti", 250, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://www.pcgamer.com/nvidia-gtx-980-tested-sli-4k-and-single-gpu-benchmarks-and-impressions/"},  // same 250 in the GpuTracker and PC Lab Builder files
    {"GTX 780", 250, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://www.pcgamer.com/nvidia-gtx-980-tested-sli-4k-and-single-gpu-benchmarks-and-impressions/"},  // same 250 in the GpuTracker file
    {"GTX 770", 230, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},
    {"GTX 760 Ti", 170, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // OEM-only model (NVIDIA lists it as GTX 760 Ti (OEM))
    {"GTX 760", 170, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://hmc-tech.com/gpu/nvidia-geforce-gtx-760-vs-nvidia-geforce-gtx-960"},  // same 170 in the GpuTracker and PC Lab Builder files
    {"GTX 750 Ti", 60, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // same 60 in the PC Lab Builder file
    {"GTX 750", 55, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},
    {"GTX 745", 55, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://www.techpowerup.com/gpu-specs/geforce-gtx-745-oem.c2561"},  // OEM-only model
    {"GT 740", 65, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // DDR3 version
    {"GT 730", 23, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // GK208 DDR3 version; PC Lab Builder file: 23 (DDR3), 25 (GDDR5)
    {"GT 720", 20, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // DDR3 version
    {"GT 710", 19, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (PC Lab Builder 1.25.0 GPU table that names nvidia.com compare page as its source; the index did not name its repository; index file id 68528252181)"},  // DDR3 version; game-debate.com GT 710 v2 page also says 19W
});
static_assert(geForce7xx.size() == 12);

inline constexpr auto geForce6xx = std::to_array<CatalogueRow>({
    {"GTX 690", 300, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // dual-GPU card
    {"GTX 680", 195, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://www.pcgamer.com/nvidia-gtx-980-tested-sli-4k-and-single-gpu-benchmarks-and-impressions/"},  // same 195 in the GpuTracker file
    {"GTX 670", 170, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},
    {"GTX 660 Ti", 150, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},
    {"GTX 660", 140, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://www.anandtech.com/Show/Index/6359?cPage=9&all=False&sort=0&page=1&slug=the-nvidia-geforce-gtx-650-ti-review"},  // same 140 in the GpuTracker file
    {"GTX 650 Ti BOOST", 134, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://cs.xtremehardware.com/recensioni/hardware/schede-video/8856-geforce-gtx-650-ti-boost-la-proposta-di-gigabyte?start=1"},  // page: declared consumption 134 Watt
    {"GTX 650 Ti", 110, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://www.anandtech.com/Show/Index/6359?cPage=9&all=False&sort=0&page=1&slug=the-nvidia-geforce-gtx-650-ti-review"},  // AnandTech table of figures TDP 110W; chipversus.com also 110 W (the GpuTracker file's 'GTX 650 Ti' entry, 135 W, carries 192-bit/March 2013 data and was not used)
    {"GTX 650", 64, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://www.anandtech.com/Show/Index/6359?cPage=9&all=False&sort=0&page=1&slug=the-nvidia-geforce-gtx-650-ti-review"},  // same 64 in the PC Lab Builder file and at hardwaredb.net; GpuTracker file says 65
    {"GTX 645", 65, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://www.game-debate.com/hardware/index.php?gid=1724&graphics=GeForce%20GTX%20645%20(OEM)"},  // OEM-only model
    {"GT 640", 65, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // GK107 DDR3 version; game-debate.com GT 640 page also 65W; GK208 GDDR5 version 49 W per game-debate.com (not listed separately)
    {"GT 630", 65, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // GF108 DDR3 version; other versions differ (game-debate.com: GK208 25 W, GK107 50 W)
    {"GT 620", 50, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // GF108 DDR3 version; hardwaredb.net says 49W
    {"GT 610", 30, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // DDR3 version; PC Lab Builder file says 29
    {"605", 25, Basis::BoardPower, "UNVERIFIED: maker page (nvidia.com) not in the search store; read at https://technical.city/en/video/GeForce-605-OEM-vs-GeForce-256-SDR"},  // OEM-only model
});
static_assert(geForce6xx.size() == 14);

inline constexpr auto radeonRX9000 = std::to_array<CatalogueRow>({
    {"RX 9070 XT", 304, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://multiplayer.it/notizie/amd-radeon-rx-9070-xt-rx-9070-specifiche.html"},  // TBP 304 W; same in table at https://www.c114pro.com/terminal/80230.html
    {"RX 9070", 220, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://www.corsair.com/ca/en/explorer/diy-builder/blogs/amd-rx-9060-xt-vs-9070-whats-the-difference"},  // TBP 220 W; also multiplayer.it
    {"RX 9070 GRE", 220, Basis::Tdp, "UNVERIFIED: maker page not in the search store; read at https://cputronic.com/de/gpu/amd-radeon-rx-9070-gre"},  // source says TDP 220 W; pre-launch table also 220 W at https://www.svethardware.cz/amd-pry-pripravuje-radeon-rx-9070-gre-ma-mit-48-cu-a-12-gb-vram/61763
    {"RX 9060 XT 16GB", 160, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://www.corsair.com/ca/en/explorer/diy-builder/blogs/amd-rx-9060-xt-vs-9070-whats-the-difference"},  // TBP 160 W (16GB); c114pro table: 150 (8GB) or 160 W (16GB), up to 182 W
    {"RX 9060 XT 8GB", 150, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://www.corsair.com/ca/en/explorer/diy-builder/blogs/amd-rx-9060-xt-vs-9070-whats-the-difference"},  // TBP 150 W (8GB)
});
static_assert(radeonRX9000.size() == 5);

inline constexpr auto radeonRX7000 = std::to_array<CatalogueRow>({
    {"RX 7900 XTX", 355, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://www.tweaktown.com/news/89666/we-can-expect-custom-radeon-rx-7900-series-gpus-on-launch-december-13/index.html"},  // TBP 355 W
    {"RX 7900 XT", 315, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://visualfoodie.com/amd-7900-xt-power-consumption-explained"},  // reference TBP 315 W (also https://huggingface.co/hardware/rx-7900-xt); CONFLICT: tweaktown and mybroadband.co.za give 300 W
    {"RX 7900 GRE", 260, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://huggingface.co/hardware/rx-7900-gre"},  // Power 260W; ASRock Challenger page (gimilut.com) also 260 W
    {"RX 7800 XT", 263, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at http://elektronika.lt/naujienos/kompiuterija/88558/komentarai"},  // TBP 263 W
    {"RX 7700 XT", 245, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://huggingface.co/hardware/rx-7700-xt"},  // Power 245W
    {"RX 7600 XT", 190, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://www.c114pro.com/terminal/80230.html"},  // TBP 190 W (table of figures)
    {"RX 7600", 165, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://www.c114pro.com/terminal/80230.html"},  // TBP 165 W (table of figures); ghacks.net: total board power 165W https://www.ghacks.net/2023/05/23/here-are-the-amd-radeon-rx-7600-final-specs/
    {"RX 7400", 55, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://www.pudn.club/news/amd-introduces-radeon-rx-7400-entry-level-gaming-gpu"},  // "55W TBP (Total Board Power)"; same at https://geeki.ro/amd-aduce-rx-7400-single-slot-167-mm-8-gb-perfecta-pentru-carcase-mici/ (55 W TBP, the GPU itself up to 43 W); https://teraflop.it/amd-radeon-rx-7400-nuova-scheda-amd-rdna-3-tbp-soli-55w gives 43 W: the larger, the board's, is kept
});
static_assert(radeonRX7000.size() == 8);

inline constexpr auto radeonRX6000 = std::to_array<CatalogueRow>({
    {"RX 6950 XT", 335, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://www.windowscentral.com/amd-launches-radeon-rx-6950-xt-6750-xt-and-6650-xt-graphics-cards"},  // TBP 335 W
    {"RX 6900 XT", 300, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://www.thefpsreview.com/2020/10/28/amd-announces-radeon-rx-6900-xt-999-radeon-rx-6800-xt-649-and-radeon-rx-6800-579/"},  // 300-Watt Total Board Power
    {"RX 6800 XT", 300, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://www.thefpsreview.com/2020/10/28/amd-announces-radeon-rx-6900-xt-999-radeon-rx-6800-xt-649-and-radeon-rx-6800-579/"},  // 300-Watt Total Board Power
    {"RX 6800", 250, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://www.thefpsreview.com/2020/10/28/amd-announces-radeon-rx-6900-xt-999-radeon-rx-6800-xt-649-and-radeon-rx-6800-579/"},  // 250-Watt Total Board Power (custompc.raspberrypi.org says 300 W)
    {"RX 6750 XT", 250, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://www.windowscentral.com/amd-launches-radeon-rx-6950-xt-6750-xt-and-6650-xt-graphics-cards"},  // TBP 250 W
    {"RX 6700 XT", 230, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://www.io-tech.fi/uutinen/amd-julkaisi-uuden-radeon-rx-6700-xt-naytonohjaimen-rdna2-navi-22/"},  // TBP (Total Board Power) 230 W
    {"RX 6700", 175, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://huggingface.co/hardware/rx-6700"},  // Power 175W (10GB)
    {"RX 6650 XT", 180, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://www.windowscentral.com/amd-launches-radeon-rx-6950-xt-6750-xt-and-6650-xt-graphics-cards"},  // TBP 180 W
    {"RX 6600 XT", 160, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://www.club386.com/amd-launches-199-radeon-rx-6500-xt-graphics-card-cheaper-rdna-2/"},  // Board Power 160 W; kitguru board-power table also 160W
    {"RX 6600", 132, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://www.club386.com/amd-launches-199-radeon-rx-6500-xt-graphics-card-cheaper-rdna-2/"},  // Board Power 132 W
    {"RX 6500 XT", 107, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://www.club386.com/amd-launches-199-radeon-rx-6500-xt-graphics-card-cheaper-rdna-2/"},  // Board Power 107 W
    {"RX 6400", 53, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://www.club386.com/amd-launches-199-radeon-rx-6500-xt-graphics-card-cheaper-rdna-2/"},  // Board Power 53 W
});
static_assert(radeonRX6000.size() == 12);

inline constexpr auto radeonRX5000 = std::to_array<CatalogueRow>({
    {"RX 5700 XT", 225, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://www.thegamingpcguide.com/2020/04/the-unique-cooling-and-design-about.html"},  // AMD gives a 225W Total Board Power rating; also https://huggingface.co/hardware/rx-5700-xt
    {"RX 5700", 180, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://www.tomshardware.com/news/amd-launches-radeon-rx-5600-xt-ultimate-1080p-gaming-gpu-at-dollar279"},  // TBP 180 W (table of figures)
    {"RX 5600 XT", 150, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://www.tomshardware.com/news/amd-launches-radeon-rx-5600-xt-ultimate-1080p-gaming-gpu-at-dollar279"},  // 150W Total Board Power (TBP)
    {"RX 5500 XT", 130, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://www.tomshardware.com/news/amd-launches-radeon-rx-5600-xt-ultimate-1080p-gaming-gpu-at-dollar279"},  // TBP 130 W (table of figures)
});
static_assert(radeonRX5000.size() == 4);

inline constexpr auto radeonRXVega = std::to_array<CatalogueRow>({
    {"Radeon VII", 300, Basis::BoardPower, "UNVERIFIED: maker page (amd.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // the file's tdp field, 300 W (Vega 20)
    {"RX Vega 64 Liquid", 345, Basis::BoardPower, "UNVERIFIED: maker page (amd.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // the file's tdp field, 345 W (Vega 10 XTX)
    {"RX Vega 64", 295, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://gpu.spicedreamphone.com/de/gpu/radeon-rx-vega-64-vs-xbox-series-x-gpu"},  // 'Max. Stromverbrauch 295 W' (database page, techpowerup-style data)
    {"RX Vega 56", 210, Basis::BoardPower, "UNVERIFIED: maker page (amd.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // the file's tdp field, 210 W; same 210 W at https://cputronic.com/en/gpu/amd-radeon-rx-vega-56
});
static_assert(radeonRXVega.size() == 4);

inline constexpr auto radeonRX400500 = std::to_array<CatalogueRow>({
    {"RX 590", 225, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://tomshardware.com/reviews/amd-radeon-rx-590,5907.html"},  // official board power 225W; CONFLICT: gamingpcbuilder.com states TDP 175 W
    {"RX 580", 185, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://tomshardware.com/reviews/amd-radeon-rx-590,5907.html"},  // 580's 185W rating; also TDP 185W in table at https://mybroadband.co.za/news/hardware/207382-amd-launches-radeon-rx-500-series-graphics-cards.html
    {"RX 570", 150, Basis::Tdp, "UNVERIFIED: maker page not in the search store; read at https://mybroadband.co.za/news/hardware/207382-amd-launches-radeon-rx-500-series-graphics-cards.html"},  // source says TDP 150W; priceprice.com also TDP 150W
    {"RX 560", 80, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://ph.priceprice.com/computer-accessories/news/AMD-announces-Radeon-RX-500-series-of-PC-graphics-cards-2959/"},  // typical board power given as 60-80W; upper bound taken; sysrqmts.com lists TDP 75 W
    {"RX 550", 50, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://ph.priceprice.com/computer-accessories/news/AMD-announces-Radeon-RX-500-series-of-PC-graphics-cards-2959/"},  // 50W typical board power
    {"RX 480", 150, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://hothardware.com/reviews/amd-radeon-rx-480-polaris-gpu-review-hitting-the-sweet-spot?page=1"},  // Board Power 150W (AMD table of figures in review)
    {"RX 470", 120, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://computerbase.de/2016-07/radeon-rx-470-460-angekuendigt"},  // Typical Board Power 120 Watt (clubic.com says max 130 W)
    {"RX 460", 75, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://computerbase.de/2016-07/radeon-rx-470-460-angekuendigt"},  // Typical Board Power 'unter 75 Watt' (below 75 W; 75 taken)
});
static_assert(radeonRX400500.size() == 8);

inline constexpr auto radeonR9R7300 = std::to_array<CatalogueRow>({
    {"R9 Fury X", 275, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://www.anandtech.com/show/9390/the-amd-radeon-r9-fury-x-review/9"},  // Typical Board Power 275W; also technic3d.com
    {"R9 Fury", 275, Basis::Tdp, "UNVERIFIED: maker page not in the search store; read at https://hothardware.com/news/amd-radeon-fury-and-fury-x-specs-leaked-hbm-powered-killer-graphics-on-the-way"},  // Fiji Pro TDP 275W from a LEAKED pre-launch table; no post-launch figure found
    {"R9 Nano", 175, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://www.anandtech.com/show/9390/the-amd-radeon-r9-fury-x-review/9"},  // Typical Board Power 175W (pre-launch table in Fury X review)
    {"R9 390X", 275, Basis::Tdp, "UNVERIFIED: maker page not in the search store; read at https://pcpartdb.com/gpus/compare/amd-radeon-r9-390x--vs--amd-radeon-rx-6950-xt"},  // source says TDP 275 W; gamegpu.com: typical consumption 275 W
    {"R9 390", 275, Basis::BoardPower, "UNVERIFIED: maker page (amd.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // the file's tdp field, 275 W (Grenada PRO)
    {"R9 380X", 190, Basis::BoardPower, "UNVERIFIED: maker page (amd.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // the file's tdp field, 190 W (Antigua XT)
    {"R9 380", 190, Basis::Tdp, "UNVERIFIED: maker page not in the search store; read at https://notebookcheck.com/AMD-Radeon-R9-380.156074.0.html"},  // 'TDP unter Last wird vom Hersteller mit 190 Watt spezifiziert'
    {"R7 370", 110, Basis::BoardPower, "UNVERIFIED: maker page (amd.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // the file's tdp field, 110 W (Trinidad PRO)
    {"R7 360", 100, Basis::BoardPower, "UNVERIFIED: maker page (amd.com) not in the search store; read in a public GitHub file (C# class GpuTracker.DatosGPU, data version January 22, 2020; the index did not name its repository; index file id 18988027619)"},  // the file's tdp field, 100 W (Tobago PRO)
});
static_assert(radeonR9R7300.size() == 9);

inline constexpr auto radeonR9R7200 = std::to_array<CatalogueRow>({
    {"R9 295X2", 500, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://www.game-debate.com/hardware/index.php?gid=2101&graphics=Radeon%20R9%20295X2"},  // 'rated board TDP of 500W'
    {"R9 290X", 250, Basis::Tdp, "UNVERIFIED: maker page not in the search store; read at https://www.sweclockers.com/test/17805-amd-radeon-r9-290/2"},  // TDP 250 W (table of figures); nexthardware.com: ~250W, not officially declared
    {"R9 290", 250, Basis::Tdp, "UNVERIFIED: maker page not in the search store; read at https://www.sweclockers.com/test/17805-amd-radeon-r9-290/2"},  // TDP 250 W; 'specified 250 W in a typical gaming scenario'
    {"R9 285", 190, Basis::Tdp, "UNVERIFIED: maker page not in the search store; read at http://www.sweclockers.com/nyhet/19249-amd-lanserar-radeon-r9-285-tonga-pro"},  // TDP 190 W; kitguru: up to 190W according to AMD
    {"R9 280X", 250, Basis::Tdp, "UNVERIFIED: maker page not in the search store; read at https://www.sweclockers.com/test/17805-amd-radeon-r9-290/2"},  // TDP 250 W (table of figures)
    {"R9 280", 200, Basis::Tdp, "UNVERIFIED: maker page not in the search store; read at http://www.sweclockers.com/nyhet/19249-amd-lanserar-radeon-r9-285-tonga-pro"},  // TDP 200 W (table of figures)
    {"R9 270X", 180, Basis::Tdp, "UNVERIFIED: maker page not in the search store; read at https://www.sweclockers.com/test/17805-amd-radeon-r9-290/2"},  // TDP 180 W; hardwaredb.net also 180 W
    {"R9 270", 150, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at http://www.legitreviews.com/msi-radeon-r9-270-gaming-oc-sapphire-dual-x-r9-270-oc-video-card-review_128803/12"},  // 'said to have a typical board power rating of around a 150 Watts'
    {"R7 265", 150, Basis::Tdp, "UNVERIFIED: maker page not in the search store; read at https://clubic.com/carte-graphique/carte-graphique-amd/actualite-618642-amd-radeon-r7-265.html"},  // 'annoncée pour un TDP de 150 Watts'
    {"R7 260X", 115, Basis::Tdp, "UNVERIFIED: maker page not in the search store; read at https://ocaholic.ch/modules/news/article.php?lang=german&storyid=8619"},  // TDP 115W (article cites AMD.com)
    {"R7 260", 95, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://www.bitsandchips.it/hardware/radeon-r7-250x-basta-su-gpu-cape-verde-xt"},  // TBP (Typical Board Power) 95 W; ocaholic.ch also TDP 95W
    {"R7 250X", 80, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://www.bitsandchips.it/hardware/radeon-r7-250x-basta-su-gpu-cape-verde-xt"},  // TBP 80 W; CONFLICT: bit-tech.net says 95W TDP
    {"R7 250", 65, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://www.bitsandchips.it/hardware/radeon-r7-250x-basta-su-gpu-cape-verde-xt"},  // TBP (Typical Board Power) 65 W (GDDR5 version); fpsbench lists 55 W for a DDR3 variant; hardwareluxx: Sapphire card ~55 W TDP
    {"R7 240", 30, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at http://amdarea51.de/vgas/vga_formular.php?ID=332"},  // 'maximaler Stromverbrauch von lediglich 30 Watt'
});
static_assert(radeonR9R7200.size() == 14);

inline constexpr auto radeonHD7000 = std::to_array<CatalogueRow>({
    {"HD 7990", 375, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://www.tomshardware.com/news/AMD-Radeon-HD-7990-Malta,22146.html"},  // 'maximum total power consumption of 375 watts' (final specs reported before launch); tweakpc.de: 'laut Spezifikation maximal 375 Watt'
    {"HD 7970 GHz Edition", 300, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at http://techpowerup.com/gpudb/365/AMD_Radeon_HD_7970_GHz_Edition.html"},  // 'power draw rated at 300 W maximum' (database maximum, not a typical figure)
    {"HD 7970", 250, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at http://dannzfay.com/2011/12/amd-radeon-hd-7970-gpu-and-pcb-pictured.html"},  // '250W that AMD is listing under Maximum Board Power'
    {"HD 7950 Boost", 200, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at http://www.techpowerup.com/gpudb/1181/radeon-hd-7950-boost.html"},  // 'power draw rated at 200 W maximum'
    {"HD 7950", 200, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at http://news.mynavi.jp/news/2012/01/31/071/index.html"},  // nominal maximum power consumption 200W (公称最大消費電力)
    {"HD 7870 GHz Edition", 175, Basis::Tdp, "UNVERIFIED: maker page not in the search store; read at http://www.itproportal.com/2013/09/09/amd-radeon-hd-78507870-roundup-9-graphics-cards-with-amds-pitcairn-gpu/"},  // TDP 175 watts; overclockers.ua: 175 W in 3D
    {"HD 7850", 130, Basis::Tdp, "UNVERIFIED: maker page not in the search store; read at http://www.itproportal.com/2013/09/09/amd-radeon-hd-78507870-roundup-9-graphics-cards-with-amds-pitcairn-gpu/"},  // TDP 130 watts; overclockers.ua: typical ~130 W
    {"HD 7770 GHz Edition", 80, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://nordichardware.se/?p=52725"},  // TBP (Typical Board Power) 80 W; techreport: 80W typical, 100W max
    {"HD 7750", 55, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://nordichardware.se/?p=52725"},  // TBP (Typical Board Power) 55 W
});
static_assert(radeonHD7000.size() == 9);

inline constexpr auto arcB = std::to_array<CatalogueRow>({
    {"Arc B580", 190, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://www.techcommand.uk/the-new-intel-arc-b580-and-b570-graphics-are-now-official-price-and-specifications/"},  // TBP of 190W; inkl.com: total board power 190 W
    {"Arc B570", 150, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://www.techcommand.uk/the-new-intel-arc-b580-and-b570-graphics-are-now-official-price-and-specifications/"},  // TBP of 150W
});
static_assert(arcB.size() == 2);

inline constexpr auto arcA = std::to_array<CatalogueRow>({
    {"Arc A770 16GB", 225, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at http://www.3dcenter.org/news/intel-gibt-die-spezifikationen-von-arc-a580-a750-und-a770-bekannt"},  // TDP ('Total Board Power') 225W, Intel-official per article, 8/16 GB
    {"Arc A770 8GB", 225, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at http://www.3dcenter.org/news/intel-gibt-die-spezifikationen-von-arc-a580-a750-und-a770-bekannt"},  // TDP ('Total Board Power') 225W, 8/16 GB same figure
    {"Arc A750", 225, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at http://www.3dcenter.org/news/intel-gibt-die-spezifikationen-von-arc-a580-a750-und-a770-bekannt"},  // TDP ('Total Board Power') 225W
    {"Arc A580", 175, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at http://www.3dcenter.org/news/intel-gibt-die-spezifikationen-von-arc-a580-a750-und-a770-bekannt"},  // TDP ('Total Board Power') 175W; purepc.pl also 175 W
    {"Arc A380", 75, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://www.purepc.pl/intel-arc-a310-nowa-desktopowa-karta-graficzna-xe-hpg-przeznaczona-do-podstawowych-zadan"},  // Współczynnik TBP 75 W
    {"Arc A310", 75, Basis::BoardPower, "UNVERIFIED: maker page not in the search store; read at https://www.purepc.pl/intel-arc-a310-nowa-desktopowa-karta-graficzna-xe-hpg-przeznaczona-do-podstawowych-zadan"},  // Współczynnik TBP 75 W (fpsbench lists 30 W)
});
static_assert(arcA.size() == 6);

// clang-format on

// Newest first: the added series, then the original ones.
inline constexpr auto nvidiaSeries = std::to_array<Family>({
    {"Серия RTX 50", geForceRTX50},
    {"Серия RTX 40", geForceRTX40},
    {"Серия RTX 30", geForceRTX30},
    {"Серия RTX 20", geForceRTX20},
    {"Серия GTX 16", geForceGTX16},
    {"Серия TITAN", nvidiaTitan},
    {"Серия GTX 10", geForceGTX10},
    {"Серия 9xx", geForce9xx},
    {"Серия 7xx", geForce7xx},
    {"Серия 6xx", geForce6xx},
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
    {"Серия RX 9000", radeonRX9000},
    {"Серия RX 7000", radeonRX7000},
    {"Серия RX 6000", radeonRX6000},
    {"Серия RX 5000", radeonRX5000},
    {"Серия RX Vega", radeonRXVega},
    {"Серия RX 400/500", radeonRX400500},
    {"Серия R9/R7 300", radeonR9R7300},
    {"Серия R9/R7 200", radeonR9R7200},
    {"Серия HD 7000", radeonHD7000},
    {"Серия 6xxx", radeon6xxx},
    {"Серия 5xxx", radeon5xxx},
    {"Серия 4xxx", radeon4xxx},
    {"Серия 3xxx", radeon3xxx},
    {"Серия 2xxx", radeon2xxx},
    {"Серия 1xxx", radeon1xxx},
});

inline constexpr auto intelSeries = std::to_array<Family>({
    {"Серия Arc B", arcB},
    {"Серия Arc A", arcA},
});

static_assert(RowCount(nvidiaSeries) == 58 + 96);
static_assert(RowCount(atiSeries) == 38 + 73);
static_assert(RowCount(intelSeries) == 8);

// The vendor list's entries in its order: ATI first, then NVIDIA, then Intel, which
// joined them after the original catalogue; the dashes entry stays last.
inline constexpr auto graphicsVendors =
    std::to_array<std::string_view>({"ATI\\AMD", "NVIDIA", "INTEL", "-----------"});
