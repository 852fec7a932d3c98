// SPDX-License-Identifier: GPL-3.0-or-later
// The working shown behind each figure: its exact text, that it is written from the
// figures a refresh computed, and the check of a supply line against the total.

#include <QtTest>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "Breakdown.h"
#include "DriveCatalogue.h"
#include "GraphicsCatalogue.h"
#include "PowerState.h"
#include "ProcessorCatalogue.h"
#include "Working.h"

using Picks = std::function<void(PowerState&, PickedRows&)>;
Q_DECLARE_METATYPE(Picks)
Q_DECLARE_METATYPE(Category)

namespace {

QStringList ToQt(const std::vector<std::string>& lines) {
    QStringList list;
    for (const std::string& line : lines) list << QString::fromStdString(line);
    return list;
}

}  // namespace

class WorkingTest : public QObject {
    Q_OBJECT

private slots:
    void workingLines_data();
    void workingLines();
    void totalLines_data();
    void totalLines();
    void writtenFromTheFiguresItIsGiven();
    void partNamesItsBasis_data();
    void partNamesItsBasis();
    void suggestedSupply_data();
    void suggestedSupply();
    void twelveVoltAmperes_data();
    void twelveVoltAmperes();
    void supplyCheck_data();
    void supplyCheck();
};

void WorkingTest::workingLines_data() {
    QTest::addColumn<Picks>("picks");
    QTest::addColumn<Category>("category");
    QTest::addColumn<QStringList>("lines");
    const CatalogueRow *gtx580 = &geForce5xx[0], *ddr3_2400 = &memoryTypes[7];

    QTest::newRow("no processor") << Picks([](PowerState&, PickedRows&) {}) << Category::Processor
                                  << QStringList{"Процессор не выбран: 0 Вт"};
    QTest::newRow("overclock with no processor: the percentage counts")
        << Picks([](PowerState& s, PickedRows&) { s.cpuOverclock = 10; }) << Category::Processor
        << QStringList{"Процессор не выбран", "0 Вт, разгон 10 %: 0 × 10 ÷ 200 = 0; 0 + 0 + 10 = 10 Вт"};
    QTest::newRow("graphics share truncated once over the cards")
        << Picks([=](PowerState& s, PickedRows& n) {
               s.gpuWatts = gtx580->watts, s.gpuCount = 3, s.gpuOverclock = 1, n.gpuModel = gtx580;
           })
        << Category::Graphics
        << QStringList{"GeForce GTX 580",
                       "3 × 365 Вт = 1095 Вт, разгон 1 %: 1095 × 1 ÷ 100 = 10; 1095 + 10 = 1105 Вт"};
    QTest::newRow("four modules at 20 %")
        << Picks([=](PowerState& s, PickedRows& n) {
               s.ramWatts = ddr3_2400->watts, s.ramCount = 4, s.ramOverclock = 20, n.ramType = ddr3_2400;
           })
        << Category::Memory
        << QStringList{"DDR3 2400MHz",
                       "4 × 35 Вт, разгон 20 %: 35 × 20² ÷ 800 = 17 на планку; (35 + 17) × 4 = 208 Вт"};
    QTest::newRow("memory count 0") << Picks([=](PowerState& s, PickedRows& n) {
        s.ramWatts = ddr3_2400->watts, s.ramCount = 0, n.ramType = ddr3_2400;
    }) << Category::Memory << QStringList{"DDR3 2400MHz", "количество планок не выбрано: 0 Вт"};
    QTest::newRow("disks in row order, empty and uncounted rows left out")
        << Picks([](PowerState& s, PickedRows& n) {
               s.hddWatts = {diskTypes[5].watts, diskTypes[6].watts, 0, diskTypes[8].watts},
               s.hddCount = {4, 0, 1, 1};
               n.hddType = {&diskTypes[5], &diskTypes[6], nullptr, &diskTypes[8]};
           })
        << Category::Disks << QStringList{"SATA × 4 = 40 Вт", "SSD × 1 = 1 Вт", "40 + 1 = 41 Вт"};
    QTest::newRow("one optical row: no sum line") << Picks([](PowerState& s, PickedRows& n) {
        s.opticalWatts[2] = opticalTypes[1].watts, s.opticalCount[2] = 3, n.opticalType[2] = &opticalTypes[1];
    }) << Category::Optical << QStringList{"DVD-RW/DVD+RW × 3 = 81 Вт"};
    QTest::newRow("two fan cells end on their sum")
        << Picks([](PowerState& s, PickedRows&) { s.fanCount[11] = 3, s.fanCount[14] = 2; }) << Category::Fans
        << QStringList{"140мм, процессорный × 3 = 63 Вт", "200мм, процессорный × 2 = 58 Вт",
                       "63 + 58 = 121 Вт"};
    QTest::newRow("no fans") << Picks([](PowerState&, PickedRows&) {}) << Category::Fans
                             << QStringList{"Вентиляторы не выбраны: 0 Вт"};
    const QStringList everyFanAt4{
        "80мм, обычный × 4 = 4 Вт",   "80мм, с LED × 4 = 12 Вт",  "80мм, процессорный × 4 = 32 Вт",
        "92мм, обычный × 4 = 12 Вт",  "92мм, с LED × 4 = 20 Вт",  "92мм, процессорный × 4 = 32 Вт",
        "120мм, обычный × 4 = 20 Вт", "120мм, с LED × 4 = 24 Вт", "120мм, процессорный × 4 = 44 Вт",
        "140мм, обычный × 4 = 36 Вт", "140мм, с LED × 4 = 40 Вт", "140мм, процессорный × 4 = 84 Вт",
        "200мм, обычный × 4 = 40 Вт", "200мм, с LED × 4 = 44 Вт", "200мм, процессорный × 4 = 116 Вт"};
    QTest::newRow("every fan at 4, size first")
        << Picks([](PowerState& s, PickedRows&) { s.fanCount.fill(4); }) << Category::Fans
        << everyFanAt4 +
               QStringList{
                   "4 + 12 + 32 + 12 + 20 + 32 + 20 + 24 + 44 + 36 + 40 + 84 + 40 + 44 + 116 = 560 Вт"};
}

void WorkingTest::workingLines() {
    QFETCH(Picks, picks);
    QFETCH(Category, category);
    PowerState state;
    PickedRows names;
    picks(state, names);
    const Breakdown figures = state.Recalculate();
    QTEST(ToQt(Working(category, state, figures, names)), "lines");
}

Q_DECLARE_METATYPE(Basis)

// An added part is named with which of its maker's figures its watts are, and
// whether that figure was read on the maker's own page; an original one as it was.
void WorkingTest::partNamesItsBasis_data() {
    QTest::addColumn<Category>("category");
    QTest::addColumn<Basis>("basis");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("name");
    const QString page = "https://example.org/part", unread = "UNVERIFIED: the maker's page was not found";
    QTest::newRow("original") << Category::Processor << Basis::Original << ""
                              << "X";
    QTest::newRow("Intel's turbo power") << Category::Processor << Basis::MaximumTurboPower << page
                                         << "X (наибольшая мощность по умолчанию, Intel Maximum Turbo Power)";
    QTest::newRow("TDP") << Category::Processor << Basis::Tdp << page << "X (TDP производителя)";
    QTest::newRow("AMD's socket limit")
        << Category::Processor << Basis::SocketPowerLimit << page << "X (предел мощности сокета, AMD PPT)";
    QTest::newRow("board power") << Category::Graphics << Basis::BoardPower << page
                                 << "X (полная мощность платы, TBP)";
    QTest::newRow("graphics power, unverified")
        << Category::Graphics << Basis::GraphicsPower << unread
        << "X (мощность видеокарты, TGP; не сверено с сайтом производителя)";
    QTest::newRow("a module") << Category::Memory << Basis::PerModule << page
                              << "X (на модуль, по данным производителя)";
    QTest::newRow("a drive, unverified") << Category::Disks << Basis::PerDrive << unread
                                         << "X (на накопитель, по данным производителя; не сверено с сайтом "
                                            "производителя) × 1 = 7 Вт";
}

void WorkingTest::partNamesItsBasis() {
    QFETCH(Category, category);
    QFETCH(Basis, basis);
    QFETCH(QString, source);
    const std::string sourceText = source.toStdString();
    const CatalogueRow part{"X", 7, basis, sourceText};
    QVERIFY(HasSource(part));
    PowerState state;
    PickedRows rows;
    state.cpuWatts = state.gpuWatts = state.ramWatts = state.hddWatts[0] = part.watts;
    rows.cpuModel = rows.gpuModel = rows.ramType = rows.hddType[0] = &part;
    QTEST(ToQt(Working(category, state, state.Recalculate(), rows)).front(), "name");
}

void WorkingTest::totalLines_data() {
    QTest::addColumn<Picks>("picks");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("nothing picked") << Picks([](PowerState&, PickedRows&) {})
                                    << QStringList{
                                           "Основа 80 Вт + процессор 0 + видеокарта 0 + память 0 + диски 0 + "
                                           "приводы 0 + вентиляторы 0 = 80 Вт",
                                           "Блок питания: 80 + 50 Вт запаса = 130 Вт → 300 Вт",
                                           "Ток по линии 12 В: 80 ÷ 12 → 7 А"};
    QTest::newRow("every category") << Picks([](PowerState& s, PickedRows&) {
        s.cpuWatts = 125, s.gpuWatts = 365, s.gpuCount = 2, s.ramWatts = 7, s.ramCount = 2;
        s.hddWatts[0] = 10, s.opticalWatts[3] = 27, s.fanCount[6] = 3;
    })
                                    << QStringList{
                                           "Основа 80 Вт + процессор 125 + видеокарта 730 + память 14 + "
                                           "диски 10 + приводы 27 + вентиляторы 15 = 1001 Вт",
                                           "Блок питания: 1001 + 50 Вт запаса = 1051 Вт → 1200 Вт",
                                           "Ток по линии 12 В: 1001 ÷ 12 → 84 А"};
}

void WorkingTest::totalLines() {
    QFETCH(Picks, picks);
    PowerState state;
    PickedRows names;
    picks(state, names);
    QTEST(ToQt(TotalWorking(state.Recalculate())), "lines");
}

// Between a pick and its refresh the stored subtotals are stale: the working is
// written from the figures it is handed, and ends on them.
void WorkingTest::writtenFromTheFiguresItIsGiven() {
    PowerState state;
    PickedRows names;
    state.Recalculate();
    state.cpuWatts = 95, state.gpuWatts = 250, state.ramWatts = 7, state.hddWatts[1] = 10;
    state.opticalWatts[2] = 27, state.fanCount[4] = 2, state.fanCount[7] = 1;
    const Breakdown figures = Compute(state);
    for (const CategoryRow& row : categories) {
        const std::int32_t figure = figures.subtotals[row.category];
        QVERIFY2(figure != state.*row.subtotal, row.caption.data());
        const std::vector<std::string> lines = Working(row.category, state, figures, names);
        QVERIFY2(lines.back().ends_with(' ' + std::to_string(figure) + " Вт"), lines.back().c_str());
    }
    const std::string sum = TotalWorking(figures).front();
    QVERIFY2(sum.ends_with(' ' + std::to_string(figures.grandTotal) + " Вт"), sum.c_str());
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

void WorkingTest::supplyCheck_data() {
    QTest::addColumn<qint64>("linePower");
    QTest::addColumn<int>("total");
    QTest::addColumn<QString>("check");
    const qint64 twoTo62 = qint64{1} << 62;

    QTest::newRow("the reserve exactly")
        << qint64{295} << 245 << "Линия 295 Вт: хватает, запас 50 Вт, нагрузка 84 %";
    QTest::newRow("a watt short of the reserve")
        << qint64{294} << 245 << "Линия 294 Вт: хватает, но запас 49 Вт меньше 50 Вт, нагрузка 84 %";
    QTest::newRow("the total exactly")
        << qint64{245} << 245 << "Линия 245 Вт: хватает, но запас 0 Вт меньше 50 Вт, нагрузка 100 %";
    QTest::newRow("a watt short of the total")
        << qint64{244} << 245 << "Линия 244 Вт: не хватает 1 Вт, с запасом 50 Вт — 51 Вт";
    QTest::newRow("no power") << qint64{0} << 245 << "Линия 0 Вт: не даёт мощности";
    QTest::newRow("negative power") << qint64{-60} << 80 << "Линия -60 Вт: не даёт мощности";
    QTest::newRow("a load that divides is not rounded up")
        << qint64{400} << 80 << "Линия 400 Вт: хватает, запас 320 Вт, нагрузка 20 %";
    QTest::newRow("the largest product, the largest total")
        << twoTo62 << INT32_MAX
        << "Линия 4611686018427387904 Вт: хватает, запас 4611686016279904257 Вт, нагрузка 1 %";
}

void WorkingTest::supplyCheck() {
    QFETCH(qint64, linePower);
    QFETCH(int, total);
    QTEST(QString::fromStdString(SupplyCheck(linePower, total)), "check");
}

QTEST_APPLESS_MAIN(WorkingTest)
#include "tst_working.moc"
