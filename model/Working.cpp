// SPDX-License-Identifier: GPL-3.0-or-later
#include "Working.h"

#include <algorithm>
#include <cstddef>
#include <limits>

namespace {

std::string Num(std::int64_t value) { return std::to_string(value); }

std::string Watts(std::int64_t value) { return Num(value) + " Вт"; }

// The intermediate figures repeat Recalculate()'s expressions, operand order and
// truncation included; the final figure is the recalculated subtotal itself, so a
// drift between the two shows as working that does not add up.
std::vector<std::string> ProcessorWorking(const PowerState& state, std::string_view model) {
    const std::int32_t watts = state.cpuWatts, percent = state.cpuOverclock;
    if (watts == 0 && percent == 0) return {"Процессор не выбран: 0 Вт"};
    const std::int32_t share = watts * percent / 200;
    return {model.empty() ? std::string("Процессор не выбран") : std::string(model),
            Watts(watts) + ", разгон " + Num(percent) + " %: " + Num(watts) + " × " + Num(percent) +
                " ÷ 200 = " + Num(share) + "; " + Num(share) + " + " + Num(watts) + " + " + Num(percent) +
                " = " + Watts(state.cpuTotal)};
}

std::vector<std::string> GraphicsWorking(const PowerState& state, std::string_view model) {
    const std::int32_t watts = state.gpuWatts, count = state.gpuCount, percent = state.gpuOverclock;
    if (watts == 0) return {"Видеокарта не выбрана: 0 Вт"};
    if (count == 0) return {std::string(model), "количество не выбрано: 0 Вт"};
    const std::int32_t allCards = watts * count;
    const std::int32_t share = percent * watts * count / 100;
    return {std::string(model), Num(count) + " × " + Watts(watts) + " = " + Watts(allCards) + ", разгон " +
                                    Num(percent) + " %: " + Num(allCards) + " × " + Num(percent) +
                                    " ÷ 100 = " + Num(share) + "; " + Num(allCards) + " + " + Num(share) +
                                    " = " + Watts(state.gpuTotal)};
}

std::vector<std::string> MemoryWorking(const PowerState& state, std::string_view type) {
    const std::int32_t watts = state.ramWatts, count = state.ramCount, percent = state.ramOverclock;
    if (watts == 0) return {"Память не выбрана: 0 Вт"};
    if (count == 0) return {std::string(type), "количество планок не выбрано: 0 Вт"};
    const std::int32_t sharePerModule = watts * percent * percent / 800;
    return {std::string(type), Num(count) + " × " + Watts(watts) + ", разгон " + Num(percent) +
                                   " %: " + Num(watts) + " × " + Num(percent) +
                                   "² ÷ 800 = " + Num(sharePerModule) + " на планку; (" + Num(watts) + " + " +
                                   Num(sharePerModule) + ") × " + Num(count) + " = " + Watts(state.ramTotal)};
}

template <std::size_t Rows>
std::vector<std::string> DeviceRowsWorking(const std::array<std::int32_t, Rows>& watts,
                                           const std::array<std::int32_t, Rows>& count,
                                           const std::array<std::string_view, Rows>& names,
                                           std::string_view noneLine) {
    std::vector<std::string> lines;
    for (std::size_t row = 0; row < Rows; ++row) {
        const std::int32_t rowWatts = watts[row] * count[row];
        if (rowWatts != 0)
            lines.push_back(std::string(names[row]) + " × " + Num(count[row]) + " = " + Watts(rowWatts));
    }
    if (lines.empty()) lines.emplace_back(noneLine);
    return lines;
}

std::vector<std::string> FansWorking(const PowerState& state) {
    std::vector<std::string> lines;
    for (std::size_t cell = 0; cell < fanCells; ++cell) {
        const std::int32_t count = state.fanCount[cell];
        if (count == 0) continue;
        lines.push_back(std::string(fanSizeNames[cell / fanKindNames.size()]) + ", " +
                        std::string(fanKindNames[cell % fanKindNames.size()]) + " × " + Num(count) + " = " +
                        Watts(count * fanWatts[cell]));
    }
    if (lines.empty()) lines.emplace_back("Вентиляторы не выбраны: 0 Вт");
    return lines;
}

}  // namespace

std::vector<std::string> Working(Category category, const PowerState& recalculated,
                                 const PickedNames& names) {
    switch (category) {
        case Category::Processor:
            return ProcessorWorking(recalculated, names.cpuModel);
        case Category::Graphics:
            return GraphicsWorking(recalculated, names.gpuModel);
        case Category::Memory:
            return MemoryWorking(recalculated, names.ramType);
        case Category::Disks:
            return DeviceRowsWorking(recalculated.hddWatts, recalculated.hddCount, names.hddType,
                                     "Диски не выбраны: 0 Вт");
        case Category::Optical:
            return DeviceRowsWorking(recalculated.opticalWatts, recalculated.opticalCount, names.opticalType,
                                     "Приводы не выбраны: 0 Вт");
        case Category::Fans:
            return FansWorking(recalculated);
    }
    return {};
}

std::vector<std::string> TotalWorking(const PowerState& recalculated) {
    const PowerState& s = recalculated;
    const std::int32_t total = s.grandTotal;
    return {
        "Основа " + Watts(baseWatts) + " + процессор " + Num(s.cpuTotal) + " + видеокарта " +
            Num(s.gpuTotal) + " + память " + Num(s.ramTotal) + " + диски " + Num(s.hddTotal) + " + приводы " +
            Num(s.opticalTotal) + " + вентиляторы " + Num(s.fanTotal) + " = " + Watts(total),
        "Блок питания: " + Num(total) + " + " + Watts(supplyReserveWatts) + " запаса = " +
            Watts(std::int64_t{total} + supplyReserveWatts) + " → " + Watts(SuggestedSupply(total)),
        "Ток по линии 12 В: " + Num(total) + " ÷ 12 → " + Num(TwelveVoltAmperes(total)) + " А",
    };
}

std::int32_t SuggestedSupply(std::int32_t total) {
    // Wide enough that the reserve and the rounding cannot overflow.
    const std::int64_t needed = std::int64_t{total} + supplyReserveWatts;
    const auto size = std::lower_bound(supplySizes.begin(), supplySizes.end(), needed);
    if (size != supplySizes.end()) return *size;
    const std::int64_t hundreds = (needed + 99) / 100 * 100;
    return static_cast<std::int32_t>(
        std::min<std::int64_t>(hundreds, std::numeric_limits<std::int32_t>::max()));
}

std::int32_t TwelveVoltAmperes(std::int32_t total) {
    // Written without total + 11 so that the largest totals cannot overflow.
    return total / 12 + (total % 12 > 0 ? 1 : 0);
}

std::string Report(const PowerState& recalculated, const PickedNames& names) {
    std::string report = "Ostrel: расчёт мощности\n";
    for (std::size_t index = 0; index < categoryCaptions.size(); ++index) {
        const auto category = static_cast<Category>(index);
        report += std::string(categoryCaptions[index]) + " (" +
                  Watts(recalculated.*categorySubtotals[index]) + "): ";
        const std::vector<std::string> lines = Working(category, recalculated, names);
        for (std::size_t line = 0; line < lines.size(); ++line) {
            if (line > 0) report += "; ";
            report += lines[line];
        }
        report += '\n';
    }
    for (const std::string& line : TotalWorking(recalculated)) report += line + '\n';
    return report;
}
