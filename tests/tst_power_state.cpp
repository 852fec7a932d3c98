// SPDX-License-Identifier: GPL-3.0-or-later
// The arithmetic of the power model, where the points of truncation decide the watt.

#include <QtTest>
#include <cstdint>
#include <functional>

#include "Breakdown.h"
#include "Choices.h"
#include "PowerState.h"

using Setup = std::function<void(PowerState&)>;
Q_DECLARE_METATYPE(Setup)

class PowerStateTest : public QObject {
    Q_OBJECT

private slots:
    void recalculate_data();
    void recalculate();
    void subtotalsAddUpToTheGrandTotal();
    void listIndexRules_data();
    void listIndexRules();
};

void PowerStateTest::recalculate_data() {
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<std::int32_t PowerState::*>("subtotal");
    QTest::addColumn<int>("expectedSubtotal");
    QTest::addColumn<int>("expectedTotal");

    QTest::newRow("nothing picked: the base alone")
        << Setup([](PowerState&) {}) << &PowerState::cpuTotal << 0 << 80;
    QTest::newRow("processor 125 W") << Setup([](PowerState& s) { s.cpuWatts = 125; })
                                     << &PowerState::cpuTotal << 125 << 205;
    QTest::newRow("processor overclock truncates 6.25 to 6")
        << Setup([](PowerState& s) { s.cpuWatts = 125, s.cpuOverclock = 10; }) << &PowerState::cpuTotal << 141
        << 221;
    QTest::newRow("processor overclock adds the percentage as watts")
        << Setup([](PowerState& s) { s.cpuWatts = 125, s.cpuOverclock = 20; }) << &PowerState::cpuTotal << 157
        << 237;
    QTest::newRow("largest processor: 150 W at 20 %")
        << Setup([](PowerState& s) { s.cpuWatts = 150, s.cpuOverclock = 20; }) << &PowerState::cpuTotal << 185
        << 265;
    QTest::newRow("graphics truncated once over all cards")
        << Setup([](PowerState& s) { s.gpuWatts = 365, s.gpuCount = 4, s.gpuOverclock = 20; })
        << &PowerState::gpuTotal << 1752 << 1832;
    QTest::newRow("graphics 3 cards at 1 %: 10.95 truncates to 10, not 3 x 3")
        << Setup([](PowerState& s) { s.gpuWatts = 365, s.gpuCount = 3, s.gpuOverclock = 1; })
        << &PowerState::gpuTotal << 1105 << 1185;
    QTest::newRow("graphics with count 0")
        << Setup([](PowerState& s) { s.gpuWatts = 365, s.gpuCount = 0; }) << &PowerState::gpuTotal << 0 << 80;
    QTest::newRow("memory share truncated per module before the count")
        << Setup([](PowerState& s) { s.ramWatts = 11, s.ramCount = 2, s.ramOverclock = 10; })
        << &PowerState::ramTotal << 24 << 104;
    QTest::newRow("memory 35 W x 4 at 20 %")
        << Setup([](PowerState& s) { s.ramWatts = 35, s.ramCount = 4, s.ramOverclock = 20; })
        << &PowerState::ramTotal << 208 << 288;
    QTest::newRow("disk rows multiply their own counts") << Setup([](PowerState& s) {
        s.hddWatts = {31, 0, 7, 0}, s.hddCount = {2, 4, 1, 1};
    }) << &PowerState::hddTotal << 69 << 149;
    QTest::newRow("optical rows 2 and 3") << Setup([](PowerState& s) {
        s.opticalWatts = {0, 27, 15, 0}, s.opticalCount = {1, 3, 2, 1};
    }) << &PowerState::opticalTotal << 111 << 191;
    QTest::newRow("fans: 80 mm and 92 mm coolers both 8 W")
        << Setup([](PowerState& s) { s.fanCount[2] = 1, s.fanCount[5] = 1; }) << &PowerState::fanTotal << 16
        << 96;
    QTest::newRow("fans: size first, then kind")
        << Setup([](PowerState& s) { s.fanCount[1] = 3, s.fanCount[5] = 1; }) << &PowerState::fanTotal << 17
        << 97;
    QTest::newRow("fans: every cell at 4")
        << Setup([](PowerState& s) { s.fanCount.fill(4); }) << &PowerState::fanTotal << 560 << 640;
}

void PowerStateTest::recalculate() {
    QFETCH(Setup, setup);
    QFETCH(std::int32_t PowerState::*, subtotal);
    QFETCH(int, expectedSubtotal);
    QFETCH(int, expectedTotal);

    PowerState state;
    setup(state);
    QCOMPARE(state.Recalculate().grandTotal, expectedTotal);
    QCOMPARE(state.*subtotal, expectedSubtotal);
    QCOMPARE(state.grandTotal, expectedTotal);
}

void PowerStateTest::subtotalsAddUpToTheGrandTotal() {
    PowerState state;
    state.cpuWatts = 95, state.cpuOverclock = 7;
    state.gpuWatts = 250, state.gpuCount = 2, state.gpuOverclock = 3;
    state.ramWatts = 7, state.ramCount = 3, state.ramOverclock = 19;
    state.hddWatts = {1, 10, 24, 17}, state.hddCount = {4, 3, 2, 1};
    state.opticalWatts = {15, 27, 17, 21}, state.opticalCount = {1, 2, 3, 4};
    state.fanCount = {0, 1, 2, 3, 4, 0, 1, 2, 3, 4, 0, 1, 2, 3, 4};

    const std::int32_t total = state.Recalculate().grandTotal;
    QCOMPARE(total, baseWatts + state.cpuTotal + state.gpuTotal + state.ramTotal + state.hddTotal +
                        state.opticalTotal + state.fanTotal);
}

void PowerStateTest::listIndexRules_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("amount");

    QTest::newRow("no selection") << -1 << 0 << 0;
    QTest::newRow("first entry") << 0 << 1 << 0;
    QTest::newRow("last count") << 3 << 4 << 3;
    QTest::newRow("last percentage") << 20 << 21 << 20;
}

void PowerStateTest::listIndexRules() {
    QFETCH(int, index);
    QTEST(CountAt(index), "count");
    QTEST(AmountAt(index), "amount");
}

QTEST_APPLESS_MAIN(PowerStateTest)
#include "tst_power_state.moc"
