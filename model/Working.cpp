// SPDX-License-Identifier: GPL-3.0-or-later
#include "Working.h"

#include <algorithm>
#include <cstddef>
#include <limits>

#include "Breakdown.h"

namespace {

// The sizes supplies are sold in; a total needing more than the last is rounded up to a hundred.
constexpr std::array<std::int32_t, 17> supplySizes{300, 350, 400,  450,  500,  550,  600,  650, 700,
                                                   750, 850, 1000, 1200, 1300, 1500, 1600, 2000};

// Indexed as the fan cells are: size = cell / 3, kind = cell % 3.
constexpr std::array<std::string_view, 5> fanSizeNames{"80мм", "92мм", "120мм", "140мм", "200мм"};
constexpr std::array<std::string_view, 3> fanKindNames{"обычный", "с LED", "процессорный"};
static_assert(fanSizeNames.size() * fanKindNames.size() == fanCells);

std::string Num(std::int64_t value) { return std::to_string(value); }

std::string Watts(std::int64_t value) { return Num(value) + " Вт"; }

std::string NonePicked(Category category) {
    return std::string(RowOf(category).nonePicked) + ": " + Watts(0);
}

// 64 bits, so that neither the reserve nor what follows from it can overflow.
constexpr std::int64_t WithReserve(std::int32_t total) { return std::int64_t{total} + supplyReserveWatts; }

std::vector<std::string> ProcessorWorking(const PowerState& state, const Breakdown& figures,
                                          const CatalogueRow* model) {
    const std::int32_t watts = state.cpuWatts, percent = state.cpuOverclock, share = figures.cpuShare;
    if (watts == 0 && percent == 0) return {NonePicked(Category::Processor)};
    return {model ? PartName(model) : std::string(RowOf(Category::Processor).nonePicked),
            Watts(watts) + ", разгон " + Num(percent) + " %: " + Num(watts) + " × " + Num(percent) + " ÷ " +
                Num(cpuOverclockDivisor) + " = " + Num(share) + "; " + Num(share) + " + " + Num(watts) +
                " + " + Num(percent) + " = " + Watts(figures.subtotals[Category::Processor])};
}

std::vector<std::string> GraphicsWorking(const PowerState& state, const Breakdown& figures,
                                         const CatalogueRow* model) {
    const std::int32_t watts = state.gpuWatts, count = state.gpuCount, percent = state.gpuOverclock;
    const std::int32_t allCards = figures.gpuAllCards, share = figures.gpuShare;
    if (watts == 0) return {NonePicked(Category::Graphics)};
    if (count == 0) return {PartName(model), "количество не выбрано: " + Watts(0)};
    return {PartName(model), Num(count) + " × " + Watts(watts) + " = " + Watts(allCards) + ", разгон " +
                                 Num(percent) + " %: " + Num(allCards) + " × " + Num(percent) + " ÷ " +
                                 Num(gpuOverclockDivisor) + " = " + Num(share) + "; " + Num(allCards) +
                                 " + " + Num(share) + " = " + Watts(figures.subtotals[Category::Graphics])};
}

std::vector<std::string> MemoryWorking(const PowerState& state, const Breakdown& figures,
                                       const CatalogueRow* type) {
    const std::int32_t watts = state.ramWatts, count = state.ramCount, percent = state.ramOverclock;
    const std::int32_t share = figures.ramSharePerModule;
    if (watts == 0) return {NonePicked(Category::Memory)};
    if (count == 0) return {PartName(type), "количество планок не выбрано: " + Watts(0)};
    return {PartName(type), Num(count) + " × " + Watts(watts) + ", разгон " + Num(percent) + " %: " +
                                Num(watts) + " × " + Num(percent) + "² ÷ " + Num(ramOverclockDivisor) +
                                " = " + Num(share) + " на планку; (" + Num(watts) + " + " + Num(share) +
                                ") × " + Num(count) + " = " + Watts(figures.subtotals[Category::Memory])};
}

// One line per row or cell that counts, then, where two or more count, their sum:
// the working ends on the figure the label shows.
template <std::size_t Rows, typename NameOf>
std::vector<std::string> RowsWorking(Category category, const std::array<std::int32_t, Rows>& watts,
                                     const std::array<std::int32_t, Rows>& count, std::int32_t subtotal,
                                     NameOf nameOf) {
    std::vector<std::string> lines;
    std::string sum;
    for (std::size_t row = 0; row < Rows; ++row) {
        if (watts[row] == 0) continue;
        lines.push_back(nameOf(row) + " × " + Num(count[row]) + " = " + Watts(watts[row]));
        sum += (sum.empty() ? "" : " + ") + Num(watts[row]);
    }
    if (lines.empty()) return {NonePicked(category)};
    if (lines.size() > 1) lines.push_back(sum + " = " + Watts(subtotal));
    return lines;
}

template <std::size_t Rows>
auto RowNames(const std::array<const CatalogueRow*, Rows>& rows) {
    return [&rows](std::size_t row) { return PartName(rows[row]); };
}

std::string FanCellName(std::size_t cell) {
    return std::string(fanSizeNames[cell / fanKindNames.size()]) + ", " +
           std::string(fanKindNames[cell % fanKindNames.size()]);
}

// Whole percent, rounded up; `part` is a 32-bit figure, so 100 × part cannot overflow.
std::int64_t PercentRoundedUp(std::int32_t part, std::int64_t whole) {
    const std::int64_t hundredfold = std::int64_t{part} * 100;
    return hundredfold / whole + (hundredfold % whole > 0 ? 1 : 0);
}

}  // namespace

std::string_view BasisText(const CatalogueRow& row) {
    switch (row.basis) {
        case Basis::Original:
            return {};
        case Basis::MaximumTurboPower:
            return "наибольшая мощность по умолчанию, Intel Maximum Turbo Power";
        case Basis::Tdp:
            return "TDP производителя";
        case Basis::SocketPowerLimit:
            return "предел мощности сокета, AMD PPT";
        case Basis::BoardPower:
            return "полная мощность платы, TBP";
        case Basis::GraphicsPower:
            return "мощность видеокарты, TGP";
        case Basis::PerModule:
            return "на модуль, по данным производителя";
        case Basis::PerDrive:
            return "на накопитель, по данным производителя";
    }
    return {};
}

// A figure that was not read on its maker's own page says so wherever it is shown.
std::string PartName(const CatalogueRow* row) {
    if (!row) return {};
    std::string name(row->text);
    if (row->basis == Basis::Original) return name;
    name += " (" + std::string(BasisText(*row));
    if (!Verified(*row)) name += "; не сверено с сайтом производителя";
    return name + ")";
}

std::vector<std::string> Working(Category category, const PowerState& selections, const Breakdown& figures,
                                 const PickedRows& names) {
    const std::int32_t subtotal = figures.subtotals[category];
    switch (category) {
        case Category::Processor:
            return ProcessorWorking(selections, figures, names.cpuModel);
        case Category::Graphics:
            return GraphicsWorking(selections, figures, names.gpuModel);
        case Category::Memory:
            return MemoryWorking(selections, figures, names.ramType);
        case Category::Disks:
            return RowsWorking(category, figures.hddRowWatts, selections.hddCount, subtotal,
                               RowNames(names.hddType));
        case Category::Optical:
            return RowsWorking(category, figures.opticalRowWatts, selections.opticalCount, subtotal,
                               RowNames(names.opticalType));
        case Category::Fans:
            return RowsWorking(category, figures.fanCellWatts, selections.fanCount, subtotal, FanCellName);
    }
    return {};
}

std::vector<std::string> TotalWorking(const Breakdown& figures) {
    const std::int32_t total = figures.grandTotal;
    std::string sum = "Основа " + Watts(baseWatts);
    for (const CategoryRow& row : categories)
        sum += " + " + std::string(row.shortName) + " " + Num(figures.subtotals[row.category]);
    return {
        sum + " = " + Watts(total),
        "Блок питания: " + Num(total) + " + " + Watts(supplyReserveWatts) +
            " запаса = " + Watts(WithReserve(total)) + " → " + Watts(SuggestedSupply(total)),
        "Ток по линии " + Num(supplyLineVolts) + " В: " + Num(total) + " ÷ " + Num(supplyLineVolts) + " → " +
            Num(TwelveVoltAmperes(total)) + " А",
    };
}

std::int32_t SuggestedSupply(std::int32_t total) {
    const std::int64_t needed = WithReserve(total);
    const auto size = std::lower_bound(supplySizes.begin(), supplySizes.end(), needed);
    if (size != supplySizes.end()) return *size;
    const std::int64_t hundreds = (needed + 99) / 100 * 100;
    return static_cast<std::int32_t>(
        std::min<std::int64_t>(hundreds, std::numeric_limits<std::int32_t>::max()));
}

std::int32_t TwelveVoltAmperes(std::int32_t total) {
    // Written without total + 11 so that the largest totals cannot overflow.
    return total / supplyLineVolts + (total % supplyLineVolts > 0 ? 1 : 0);
}

// Every difference is taken in 64 bits: the line's power can reach 2^62.
// Until the first pick the window shows 0 W, not the 80 W base: nothing counts yet.
constexpr std::string_view nothingToCompare = "сравнивать не с чем, ничего не выбрано";
constexpr std::string_view nothingPickedYet = "Ничего не выбрано: мощность не посчитана";

std::string SupplyCheck(std::int64_t linePower, std::optional<std::int32_t> shownTotal) {
    const std::string line = "Линия " + Watts(linePower) + ": ";
    if (linePower <= 0) return line + "не даёт мощности";
    if (!shownTotal) return line + std::string(nothingToCompare);
    const std::int32_t total = *shownTotal;
    const std::int64_t margin = linePower - total;
    if (margin < 0)
        return line + "не хватает " + Watts(-margin) + ", с запасом " + Watts(supplyReserveWatts) + " — " +
               Watts(WithReserve(total) - linePower);
    const std::string load = "нагрузка " + Num(PercentRoundedUp(total, linePower)) + " %";
    if (margin < supplyReserveWatts)
        return line + "хватает, но запас " + Watts(margin) + " меньше " + Watts(supplyReserveWatts) + ", " +
               load;
    return line + "хватает, запас " + Watts(margin) + ", " + load;
}

// Each category's subtotal once: its working already ends on it.
std::string Report(const PowerState& selections, const std::optional<Breakdown>& computed,
                   const PickedRows& names, std::optional<std::int64_t> linePower) {
    std::string report = "Ostrel: расчёт мощности\n";
    if (!computed) {
        report += std::string(nothingPickedYet) + '\n';
        if (linePower) report += SupplyCheck(*linePower, std::nullopt) + '\n';
        return report;
    }
    const Breakdown& figures = *computed;
    for (const CategoryRow& row : categories) {
        report += std::string(row.caption) + ": ";
        const std::vector<std::string> lines = Working(row.category, selections, figures, names);
        for (std::size_t line = 0; line < lines.size(); ++line) {
            if (line > 0) report += "; ";
            report += lines[line];
        }
        report += '\n';
    }
    for (const std::string& line : TotalWorking(figures)) report += line + '\n';
    if (linePower) report += SupplyCheck(*linePower, figures.grandTotal) + '\n';
    return report;
}
