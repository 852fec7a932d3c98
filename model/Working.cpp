// SPDX-License-Identifier: GPL-3.0-or-later
#include "Working.h"

#include <algorithm>
#include <cstddef>
#include <limits>

#include "Breakdown.h"

namespace {

std::string Num(std::int64_t value) { return std::to_string(value); }

std::string Watts(std::int64_t value) { return Num(value) + " Вт"; }

// The figures all come from Compute(); the working only writes them down, next to
// the selections they were computed from.
std::vector<std::string> ProcessorWorking(const PowerState& state, const ProcessorFigures& cpu,
                                          std::string_view model) {
    const std::int32_t watts = state.cpuWatts, percent = state.cpuOverclock;
    if (watts == 0 && percent == 0) return {"Процессор не выбран: 0 Вт"};
    return {model.empty() ? std::string("Процессор не выбран") : std::string(model),
            Watts(watts) + ", разгон " + Num(percent) + " %: " + Num(watts) + " × " + Num(percent) +
                " ÷ 200 = " + Num(cpu.share) + "; " + Num(cpu.share) + " + " + Num(watts) + " + " +
                Num(percent) + " = " + Watts(cpu.total)};
}

std::vector<std::string> GraphicsWorking(const PowerState& state, const GraphicsFigures& gpu,
                                         std::string_view model) {
    const std::int32_t watts = state.gpuWatts, count = state.gpuCount, percent = state.gpuOverclock;
    if (watts == 0) return {"Видеокарта не выбрана: 0 Вт"};
    if (count == 0) return {std::string(model), "количество не выбрано: 0 Вт"};
    return {std::string(model), Num(count) + " × " + Watts(watts) + " = " + Watts(gpu.allCards) +
                                    ", разгон " + Num(percent) + " %: " + Num(gpu.allCards) + " × " +
                                    Num(percent) + " ÷ 100 = " + Num(gpu.share) + "; " + Num(gpu.allCards) +
                                    " + " + Num(gpu.share) + " = " + Watts(gpu.total)};
}

std::vector<std::string> MemoryWorking(const PowerState& state, const MemoryFigures& ram,
                                       std::string_view type) {
    const std::int32_t watts = state.ramWatts, count = state.ramCount, percent = state.ramOverclock;
    if (watts == 0) return {"Память не выбрана: 0 Вт"};
    if (count == 0) return {std::string(type), "количество планок не выбрано: 0 Вт"};
    return {std::string(type),
            Num(count) + " × " + Watts(watts) + ", разгон " + Num(percent) + " %: " + Num(watts) + " × " +
                Num(percent) + "² ÷ 800 = " + Num(ram.sharePerModule) + " на планку; (" + Num(watts) + " + " +
                Num(ram.sharePerModule) + ") × " + Num(count) + " = " + Watts(ram.total)};
}

// One line per row or cell that counts, then, where two or more count, their sum:
// the working ends on the figure the label shows.
template <std::size_t Rows, typename NameOf>
std::vector<std::string> RowsWorking(const RowFigures<Rows>& figures,
                                     const std::array<std::int32_t, Rows>& count, NameOf nameOf,
                                     std::string_view noneLine) {
    std::vector<std::string> lines;
    std::string sum;
    for (std::size_t row = 0; row < Rows; ++row) {
        if (figures.each[row] == 0) continue;
        lines.push_back(nameOf(row) + " × " + Num(count[row]) + " = " + Watts(figures.each[row]));
        sum += (sum.empty() ? "" : " + ") + Num(figures.each[row]);
    }
    if (lines.empty()) return {std::string(noneLine)};
    if (lines.size() > 1) lines.push_back(sum + " = " + Watts(figures.total));
    return lines;
}

template <std::size_t Rows>
auto RowNames(const std::array<std::string_view, Rows>& names) {
    return [&names](std::size_t row) { return std::string(names[row]); };
}

std::string FanCellName(std::size_t cell) {
    return std::string(fanSizeNames[cell / fanKindNames.size()]) + ", " +
           std::string(fanKindNames[cell % fanKindNames.size()]);
}

// Indexed by Category, as the captions are.
std::array<std::int32_t, 6> Subtotals(const Breakdown& figures) {
    return {figures.cpu.total, figures.gpu.total,     figures.ram.total,
            figures.hdd.total, figures.optical.total, figures.fans.total};
}

// Whole percent, rounded up; `part` is a 32-bit figure, so 100 × part cannot overflow.
std::int64_t PercentRoundedUp(std::int32_t part, std::int64_t whole) {
    const std::int64_t hundredfold = std::int64_t{part} * 100;
    return hundredfold / whole + (hundredfold % whole > 0 ? 1 : 0);
}

}  // namespace

std::vector<std::string> Working(Category category, const PowerState& state, const PickedNames& names) {
    const Breakdown figures = Compute(state);
    switch (category) {
        case Category::Processor:
            return ProcessorWorking(state, figures.cpu, names.cpuModel);
        case Category::Graphics:
            return GraphicsWorking(state, figures.gpu, names.gpuModel);
        case Category::Memory:
            return MemoryWorking(state, figures.ram, names.ramType);
        case Category::Disks:
            return RowsWorking(figures.hdd, state.hddCount, RowNames(names.hddType),
                               "Диски не выбраны: 0 Вт");
        case Category::Optical:
            return RowsWorking(figures.optical, state.opticalCount, RowNames(names.opticalType),
                               "Приводы не выбраны: 0 Вт");
        case Category::Fans:
            return RowsWorking(figures.fans, state.fanCount, FanCellName, "Вентиляторы не выбраны: 0 Вт");
    }
    return {};
}

std::vector<std::string> TotalWorking(const PowerState& state) {
    const Breakdown figures = Compute(state);
    const std::int32_t total = figures.grandTotal;
    return {
        "Основа " + Watts(baseWatts) + " + процессор " + Num(figures.cpu.total) + " + видеокарта " +
            Num(figures.gpu.total) + " + память " + Num(figures.ram.total) + " + диски " +
            Num(figures.hdd.total) + " + приводы " + Num(figures.optical.total) + " + вентиляторы " +
            Num(figures.fans.total) + " = " + Watts(total),
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

// Every difference is taken in 64 bits: the line's power can reach 2^62.
std::string SupplyCheck(std::int64_t linePower, std::int32_t total) {
    const std::string line = "Линия " + Watts(linePower) + ": ";
    if (linePower <= 0) return line + "не даёт мощности";
    const std::int64_t margin = linePower - total;
    if (margin < 0)
        return line + "не хватает " + Watts(-margin) + ", с запасом " + Watts(supplyReserveWatts) + " — " +
               Watts(supplyReserveWatts - margin);
    const std::string load = "нагрузка " + Num(PercentRoundedUp(total, linePower)) + " %";
    if (margin < supplyReserveWatts)
        return line + "хватает, но запас " + Watts(margin) + " меньше " + Watts(supplyReserveWatts) + ", " +
               load;
    return line + "хватает, запас " + Watts(margin) + ", " + load;
}

std::string Report(const PowerState& state, const PickedNames& names, std::optional<std::int64_t> linePower) {
    const Breakdown figures = Compute(state);
    const std::array<std::int32_t, 6> subtotals = Subtotals(figures);
    std::string report = "Ostrel: расчёт мощности\n";
    for (std::size_t index = 0; index < categoryCaptions.size(); ++index) {
        const auto category = static_cast<Category>(index);
        report += std::string(categoryCaptions[index]) + " (" + Watts(subtotals[index]) + "): ";
        const std::vector<std::string> lines = Working(category, state, names);
        for (std::size_t line = 0; line < lines.size(); ++line) {
            if (line > 0) report += "; ";
            report += lines[line];
        }
        report += '\n';
    }
    for (const std::string& line : TotalWorking(state)) report += line + '\n';
    if (linePower) report += SupplyCheck(*linePower, figures.grandTotal) + '\n';
    return report;
}
