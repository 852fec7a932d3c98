// SPDX-License-Identifier: GPL-3.0-or-later
// The smallest Qt Widgets program with a window: one label. The yardstick for start-up.

#include <QApplication>
#include <QLabel>

#include "FirstFrame.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ReportsFirstFrame<QLabel> label(QStringLiteral("Ostrel"));
    label.show();
    return QApplication::exec();
}
