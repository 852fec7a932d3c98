// SPDX-License-Identifier: GPL-3.0-or-later
#include "PowerState.h"

#include "Breakdown.h"

std::int32_t PowerState::Recalculate() {
    const Breakdown figures = Compute(*this);
    cpuTotal = figures.cpu.total;
    gpuTotal = figures.gpu.total;
    ramTotal = figures.ram.total;
    hddTotal = figures.hdd.total;
    opticalTotal = figures.optical.total;
    fanTotal = figures.fans.total;
    grandTotal = figures.grandTotal;
    return grandTotal;
}
