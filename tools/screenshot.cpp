// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the README's picture of the window: a machine described through the
// window's own lists, with real key events, then the window saved as a PNG.
// Usage: screenshot FILE.png   (run under a display, e.g. xvfb-run)

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstdio>

#include "TApplication.h"
#include "TComboBox.h"
#include "Unit1.h"

namespace {

// The arrow key moves a list to its next entry, one pick per press.
void Pick(const QWidget& window, int list, int entry) {
    auto* combo = window.findChild<TComboBox*>(QStringLiteral("ComboBox%1").arg(list));
    combo->setFocus();
    for (int step = 0; step <= entry; ++step) QTest::keyClick(combo, Qt::Key_Down);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.png\n", argv[0]);
        return 2;
    }
    QApplication application(argc, argv);
    ApplyDesignedLook();
    TForm1 window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;

    const int picks[][3] = {
        {1, 1, 0},  {3, 0, 0},  {12, 13, 0}, {67, 10, 0},  // Intel Core i7 2600K at 10 %
        {16, 1, 0}, {17, 0, 0}, {19, 1, 0},  {33, 1, 0},   // two GeForce GTX 570
        {34, 4, 0}, {35, 3, 0},                            // four DDR3 1600MHz modules
        {36, 6, 0}, {37, 1, 0}, {40, 8, 0},                // two SATA-III disks and an SSD
        {38, 1, 0},                                        // a DVD writer
        {58, 2, 0}, {60, 1, 0}, {64, 1, 0},                // case fans and a processor cooler
    };
    for (const auto& pick : picks) Pick(window, pick[0], pick[1]);
    QTest::keyClicks(window.findChild<QLineEdit*>("Edit1"), "35");
    QTest::keyClicks(window.findChild<QLineEdit*>("Edit2"), "12");
    QTest::mouseClick(window.findChild<QPushButton*>("Button1"), Qt::LeftButton);
    window.findChild<QWidget*>("ComboBox1")->setFocus();

    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
