// SPDX-License-Identifier: GPL-3.0-or-later
// The working shown behind each figure: its exact text, and that every step it
// shows computes the figure Recalculate() arrived at.

#include <QtTest>
#include <charconv>
#include <cstdint>
#include <functional>
#include <numeric>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "DriveCatalogue.h"
#include "GraphicsCatalogue.h"
#include "PowerState.h"
#include "ProcessorCatalogue.h"
#include "Working.h"

using Picks = std::function<void(PowerState&, PickedNames&)>;
Q_DECLARE_METATYPE(Picks)
Q_DECLARE_METATYPE(Category)

namespace {

QStringList ToQt(const std::vector<std::string>& lines) {
    QStringList list;
    for (const std::string& line : lines) list << QString::fromStdString(line);
    return list;
}

// Reads the arithmetic the working writes: integers, +, ×, ÷, ², brackets; units
// are skipped. Division truncates, as the working claims it does.
struct Arithmetic {
    std::string_view rest;
    bool unreadable = false;

    bool Take(std::string_view token) {
        while (rest.starts_with(' ') || rest.starts_with("Вт")) rest.remove_prefix(rest[0] == ' ' ? 1 : 4);
        if (!rest.starts_with(token)) return false;
        rest.remove_prefix(token.size());
        return true;
    }
    std::int64_t Factor() {
        std::int64_t value = 0;
        if (Take("(")) {
            value = Sum();
            unreadable |= !Take(")");
        } else {
            Take("");
            const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
            unreadable |= error != std::errc{};
            rest.remove_prefix(std::size_t(end - rest.data()));
        }
        return Take("²") ? value * value : value;
    }
    std::int64_t Product() {
        std::int64_t value = Factor();
        for (;;) {
            if (Take("×"))
                value *= Factor();
            else if (Take("÷"))
                value /= Factor();
            else
                return value;
        }
    }
    std::int64_t Sum() {
        std::int64_t value = Product();
        while (Take("+")) value += Product();
        return value;
    }
};

struct Step {
    std::string_view text;
    std::int64_t computed;
    std::int64_t written;
};

// Every "... = n" step of a formula line: what its left side computes, and the n it claims.
std::vector<Step> Steps(std::string_view line) {
    std::vector<Step> steps;
    for (std::size_t equals = line.find(" = "); equals != line.npos; equals = line.find(" = ", equals + 1)) {
        std::size_t start = 0;
        for (std::string_view separator : {": ", "; ", ", "}) {
            const std::size_t found = line.rfind(separator, equals);
            if (found != line.npos) start = std::max(start, found + separator.size());
        }
        Arithmetic left{line.substr(start, equals - start)};
        std::int64_t computed = left.Sum();
        left.Take("");
        if (left.unreadable || !left.rest.empty()) computed = INT64_MIN;
        Arithmetic right{line.substr(equals + 3)};
        steps.push_back({line.substr(start), computed, right.Factor()});
    }
    return steps;
}

// The figure a line ends on; lines naming a device end on no figure.
std::int64_t FigureOf(const std::string& line) {
    if (!line.ends_with(" Вт")) return 0;
    const std::size_t start = line.find_last_not_of("-0123456789", line.size() - 6) + 1;
    return std::stoll(line.substr(start));
}

}  // namespace

class WorkingTest : public QObject {
    Q_OBJECT

private slots:
    void workingLines_data();
    void workingLines();
    void totalLines_data();
    void totalLines();
    void everyStepComputesTheRecalculatedFigures();
    void suggestedSupply_data();
    void suggestedSupply();
    void twelveVoltAmperes_data();
    void twelveVoltAmperes();
};

void WorkingTest::workingLines_data() {
    QTest::addColumn<Picks>("picks");
    QTest::addColumn<Category>("category");
    QTest::addColumn<QStringList>("lines");
    const CatalogueRow gtx580 = geForce5xx[0], ddr3_2400 = memoryTypes[7];

    QTest::newRow("no processor") << Picks([](PowerState&, PickedNames&) {}) << Category::Processor
                                  << QStringList{"Процессор не выбран: 0 Вт"};
    QTest::newRow("processor dashes, overclock kept")
        << Picks([](PowerState& s, PickedNames&) { s.cpuOverclock = 10; }) << Category::Processor
        << QStringList{"Процессор не выбран", "0 Вт, разгон 10 %: 0 × 10 ÷ 200 = 0; 0 + 0 + 10 = 10 Вт"};
    QTest::newRow("graphics share truncated once over the cards")
        << Picks([=](PowerState& s, PickedNames& n) {
               s.gpuWatts = gtx580.watts, s.gpuCount = 3, s.gpuOverclock = 1, n.gpuModel = gtx580.text;
           })
        << Category::Graphics
        << QStringList{"GeForce GTX 580",
                       "3 × 365 Вт = 1095 Вт, разгон 1 %: 1095 × 1 ÷ 100 = 10; 1095 + 10 = 1105 Вт"};
    QTest::newRow("four modules at 20 %")
        << Picks([=](PowerState& s, PickedNames& n) {
               s.ramWatts = ddr3_2400.watts, s.ramCount = 4, s.ramOverclock = 20, n.ramType = ddr3_2400.text;
           })
        << Category::Memory
        << QStringList{"DDR3 2400MHz",
                       "4 × 35 Вт, разгон 20 %: 35 × 20² ÷ 800 = 17 на планку; (35 + 17) × 4 = 208 Вт"};
    QTest::newRow("memory count 0") << Picks([=](PowerState& s, PickedNames& n) {
        s.ramWatts = ddr3_2400.watts, s.ramCount = 0, n.ramType = ddr3_2400.text;
    }) << Category::Memory << QStringList{"DDR3 2400MHz", "количество планок не выбрано: 0 Вт"};
    QTest::newRow("disks in row order, empty and uncounted rows left out")
        << Picks([](PowerState& s, PickedNames& n) {
               s.hddWatts = {diskTypes[5].watts, diskTypes[6].watts, 0, diskTypes[8].watts},
               s.hddCount = {4, 0, 1, 1};
               n.hddType = {diskTypes[5].text, diskTypes[6].text, "", diskTypes[8].text};
           })
        << Category::Disks << QStringList{"SATA × 4 = 40 Вт", "SSD × 1 = 1 Вт"};
    QTest::newRow("no fans") << Picks([](PowerState&, PickedNames&) {}) << Category::Fans
                             << QStringList{"Вентиляторы не выбраны: 0 Вт"};
    QTest::newRow("a negative fan count is listed")
        << Picks([](PowerState& s, PickedNames&) { s.fanCount[14] = -1; }) << Category::Fans
        << QStringList{"200мм, процессорный × -1 = -29 Вт"};
    QTest::newRow("every fan at 4, size first")
        << Picks([](PowerState& s, PickedNames&) { s.fanCount.fill(4); }) << Category::Fans
        << QStringList{
               "80мм, обычный × 4 = 4 Вт",   "80мм, с LED × 4 = 12 Вт",  "80мм, процессорный × 4 = 32 Вт",
               "92мм, обычный × 4 = 12 Вт",  "92мм, с LED × 4 = 20 Вт",  "92мм, процессорный × 4 = 32 Вт",
               "120мм, обычный × 4 = 20 Вт", "120мм, с LED × 4 = 24 Вт", "120мм, процессорный × 4 = 44 Вт",
               "140мм, обычный × 4 = 36 Вт", "140мм, с LED × 4 = 40 Вт", "140мм, процессорный × 4 = 84 Вт",
               "200мм, обычный × 4 = 40 Вт", "200мм, с LED × 4 = 44 Вт", "200мм, процессорный × 4 = 116 Вт"};
}

void WorkingTest::workingLines() {
    QFETCH(Picks, picks);
    QFETCH(Category, category);
    PowerState state;
    PickedNames names;
    picks(state, names);
    state.Recalculate();
    QTEST(ToQt(Working(category, state, names)), "lines");
}

void WorkingTest::totalLines_data() {
    QTest::addColumn<Picks>("picks");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("nothing picked") << Picks([](PowerState&, PickedNames&) {})
                                    << QStringList{
                                           "Основа 80 Вт + процессор 0 + видеокарта 0 + память 0 + диски 0 + "
                                           "приводы 0 + вентиляторы 0 = 80 Вт",
                                           "Блок питания: 80 + 50 Вт запаса = 130 Вт → 300 Вт",
                                           "Ток по линии 12 В: 80 ÷ 12 → 7 А"};
    QTest::newRow("every category") << Picks([](PowerState& s, PickedNames&) {
        s.cpuWatts = 125, s.gpuWatts = 365, s.gpuCount = 2, s.ramWatts = 7, s.ramCount = 2;
        s.hddWatts[0] = 10, s.opticalWatts[3] = 27, s.fanCount[6] = 3;
    })
                                    << QStringList{
                                           "Основа 80 Вт + процессор 125 + видеокарта 730 + память 14 + "
                                           "диски 10 + приводы 27 + вентиляторы 15 = 1001 Вт",
                                           "Блок питания: 1001 + 50 Вт запаса = 1051 Вт → 1200 Вт",
                                           "Ток по линии 12 В: 1001 ÷ 12 → 84 А"};
    QTest::newRow("a negative subtotal is written as it is")
        << Picks([](PowerState& s, PickedNames&) { s.fanCount[14] = -1; })
        << QStringList{
               "Основа 80 Вт + процессор 0 + видеокарта 0 + память 0 + диски 0 + приводы 0 + вентиляторы -29 "
               "= 51 Вт",
               "Блок питания: 51 + 50 Вт запаса = 101 Вт → 300 Вт", "Ток по линии 12 В: 51 ÷ 12 → 5 А"};
}

void WorkingTest::totalLines() {
    QFETCH(Picks, picks);
    PowerState state;
    PickedNames names;
    picks(state, names);
    state.Recalculate();
    QTEST(ToQt(TotalWorking(state)), "lines");
}

// Machines drawn from what the lists offer, many more than rows could name: each
// step shown must compute, and the figures must be the ones Recalculate() found.
void WorkingTest::everyStepComputesTheRecalculatedFigures() {
    std::vector<CatalogueRow> processors{{"", 0}}, graphics{{"", 0}};
    for (const auto& families :
         {std::span<const Family>(amdFamilies), std::span<const Family>(intelFamilies)})
        for (const Family& family : families)
            processors.insert(processors.end(), family.models.begin(), family.models.end());
    for (const auto& series : {std::span<const Family>(nvidiaSeries), std::span<const Family>(atiSeries)})
        for (const Family& family : series)
            graphics.insert(graphics.end(), family.models.begin(), family.models.end());
    std::mt19937 random(20240611);
    const auto pick = [&](auto& rows) {
        return rows[std::uniform_int_distribution<std::size_t>(0, rows.size() - 1)(random)];
    };
    const auto upTo = [&](int most) { return std::uniform_int_distribution<std::int32_t>(0, most)(random); };

    for (int machine = 0; machine < 3000; ++machine) {
        PowerState state;
        PickedNames names;
        const CatalogueRow cpu = pick(processors), gpu = pick(graphics), ram = pick(memoryTypes);
        state.cpuWatts = cpu.watts, state.cpuOverclock = upTo(20), names.cpuModel = cpu.text;
        state.gpuWatts = gpu.watts, state.gpuCount = upTo(4), state.gpuOverclock = upTo(20);
        names.gpuModel = gpu.text;
        state.ramWatts = ram.watts, state.ramCount = upTo(4), state.ramOverclock = upTo(20);
        names.ramType = ram.text;
        for (int row = 0; row < diskRows; ++row) {
            const CatalogueRow disk = pick(diskTypes), drive = pick(opticalTypes);
            state.hddWatts[row] = disk.watts, state.hddCount[row] = upTo(4), names.hddType[row] = disk.text;
            state.opticalWatts[row] = drive.watts, state.opticalCount[row] = upTo(4);
            names.opticalType[row] = drive.text;
        }
        for (std::int32_t& count : state.fanCount) count = upTo(4);
        state.Recalculate();

        std::vector<std::int64_t> figures{baseWatts};
        const std::array subtotals{state.cpuTotal, state.gpuTotal,     state.ramTotal,
                                   state.hddTotal, state.opticalTotal, state.fanTotal};
        for (std::size_t index = 0; index < subtotals.size(); ++index) {
            const auto category = static_cast<Category>(index);
            std::int64_t figure = 0;
            for (const std::string& line : Working(category, state, names)) {
                figure += FigureOf(line);
                if (category > Category::Memory) continue;  // device lines begin with a name, not a number
                for (const Step& step : Steps(line))
                    QVERIFY2(step.computed == step.written, std::string(step.text).c_str());
            }
            QCOMPARE(figure, subtotals[index]);
            figures.push_back(figure);
        }

        const std::vector<std::string> total = TotalWorking(state);
        const std::string_view sum = total[0];
        std::vector<std::int64_t> addends;
        for (std::size_t digit = sum.find_first_of("-0123456789"); digit < sum.find(" = ");
             digit = sum.find_first_of("-0123456789", sum.find(' ', digit)))
            addends.push_back(std::stoll(std::string(sum.substr(digit))));
        QCOMPARE(addends, figures);
        QCOMPARE(FigureOf(total[0]), std::accumulate(figures.begin(), figures.end(), std::int64_t{0}));
        QCOMPARE(FigureOf(total[0]), state.grandTotal);
    }
}

void WorkingTest::suggestedSupply_data() {
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("supply");

    QTest::newRow("nothing at all") << 0 << 300;
    QTest::newRow("below the smallest size") << 250 << 300;
    QTest::newRow("a watt past the smallest") << 251 << 350;
    QTest::newRow("reserve lands on a size") << 550 << 600;
    QTest::newRow("reserve a watt past a size") << 551 << 650;
    QTest::newRow("no 800 W size") << 751 << 850;
    QTest::newRow("largest size exactly") << 1950 << 2000;
    QTest::newRow("past the table: next hundred") << 1951 << 2100;
    QTest::newRow("past the table, on a hundred") << 2050 << 2100;
    QTest::newRow("past the table, a watt over") << 2051 << 2200;
    QTest::newRow("negative total") << -100 << 300;
}

void WorkingTest::suggestedSupply() {
    QFETCH(int, total);
    QTEST(SuggestedSupply(total), "supply");
}

void WorkingTest::twelveVoltAmperes_data() {
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("amperes");

    QTest::newRow("nothing") << 0 << 0;
    QTest::newRow("exactly one ampere") << 12 << 1;
    QTest::newRow("a watt over rounds up") << 13 << 2;
    QTest::newRow("processor alone") << 205 << 18;
    QTest::newRow("negative truncates toward zero") << -13 << -1;
    QTest::newRow("largest total does not overflow") << INT32_MAX << 178956971;
}

void WorkingTest::twelveVoltAmperes() {
    QFETCH(int, total);
    QTEST(TwelveVoltAmperes(total), "amperes");
}

QTEST_APPLESS_MAIN(WorkingTest)
#include "tst_working.moc"
