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

TComboBox* List(const QWidget& window, int number) {
    return window.findChild<TComboBox*>(QStringLiteral("ComboBox%1").arg(number));
}

// The model list a family list has just brought into view, where model lists lie.
TComboBox* Models(const QWidget& window, int familyList) {
    const TComboBox* families = List(window, familyList);
    for (TComboBox* list : families->parentWidget()->findChildren<TComboBox*>())
        if (list->isVisible() && list->y() == families->y() + 24) return list;
    return nullptr;
}

// The arrow key moves a list to its next entry, one pick per press, to the entry
// that reads `entry`.
void Pick(TComboBox* list, const QString& entry) {
    list->setFocus();
    const int index = list->findText(entry);
    for (int step = 0; step <= index; ++step) QTest::keyClick(list, Qt::Key_Down);
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

    // A machine of today: a Core Ultra 9 285K, a GeForce RTX 5090, two DDR5 6000MHz
    // modules, two PCIe 5.0 NVMe SSDs and a 7200 rpm disk, case fans and a cooler.
    Pick(List(window, 1), "INTEL");
    Pick(List(window, 3), "Intel Core Ultra 200S");
    Pick(Models(window, 3), "Ultra 9 285K");
    Pick(List(window, 16), "NVIDIA");
    Pick(List(window, 17), "Серия RTX 50");
    Pick(Models(window, 17), "RTX 5090");
    Pick(List(window, 34), "DDR5 6000MHz");
    Pick(List(window, 35), "2");
    Pick(List(window, 36), "NVMe PCIe 5.0");
    Pick(List(window, 37), "2");
    Pick(List(window, 40), "HDD 7200rpm");
    for (const int fans : {58, 61}) Pick(List(window, fans), "2");
    Pick(List(window, 63), "1");
    QTest::keyClicks(window.findChild<QLineEdit*>("Edit1"), "90");
    QTest::keyClicks(window.findChild<QLineEdit*>("Edit2"), "12");
    QTest::mouseClick(window.findChild<QPushButton*>("Button1"), Qt::LeftButton);
    window.findChild<QWidget*>("ComboBox1")->setFocus();

    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
