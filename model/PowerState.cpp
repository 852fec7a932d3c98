// SPDX-License-Identifier: GPL-3.0-or-later
#include "PowerState.h"

#include <cstddef>

namespace {

template <std::size_t N>
std::int32_t SumOfProducts(const std::array<std::int32_t, N>& each,
                           const std::array<std::int32_t, N>& count) {
    std::int32_t sum = 0;
    for (std::size_t i = 0; i < N; ++i) sum += each[i] * count[i];
    return sum;
}

}  // namespace

// Integer arithmetic throughout, and each division exactly where it stands: the
// figures must match the published tables to the watt, so the points of
// truncation are part of the formulas.
std::int32_t PowerState::Recalculate() {
    fanTotal = SumOfProducts(fanCount, fanWatts);
    hddTotal = SumOfProducts(hddWatts, hddCount);
    // The overclock share is truncated per module, before it is multiplied by the count.
    ramTotal = ramWatts * ramOverclock * ramOverclock / 800 * ramCount + ramWatts * ramCount;
    opticalTotal = SumOfProducts(opticalWatts, opticalCount);
    // Truncated once, over all cards together.
    gpuTotal = gpuOverclock * gpuWatts * gpuCount / 100 + gpuWatts * gpuCount;
    // A processor gains half the percentage of its watts plus the percentage itself.
    cpuTotal = cpuWatts * cpuOverclock / 200 + cpuWatts + cpuOverclock;
    grandTotal = baseWatts + cpuTotal + gpuTotal + ramTotal + hddTotal + opticalTotal + fanTotal;
    return grandTotal;
}
