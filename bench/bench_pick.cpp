// SPDX-License-Identifier: GPL-3.0-or-later
// One pick, from the user's key press on a list to both labels rewritten.

#include <QtTest>

#include "TApplication.h"
#include "Unit1.h"
#include "UserActions.h"

class PickBenchmark : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ApplyDesignedLook(); }
    void pick();
};

void PickBenchmark::pick() {
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    TComboBox* fans = List(&form, 66);
    QLabel* total = Control<QLabel>(&form, "Label6");
    QLabel* figure = Control<QLabel>(&form, "Label15");
    QTest::keyClick(fans, Qt::Key_Down);
    bool up = false;
    QBENCHMARK {
        // Alternating between "0" and "1" so that every press is a real change.
        QTest::keyClick(fans, up ? Qt::Key_Up : Qt::Key_Down);
        up = !up;
    }
    QVERIFY(figure->text() == "0Вт" || figure->text() == "29Вт");
    QVERIFY(total->text() == "80Вт" || total->text() == "109Вт");
}

QTEST_MAIN(PickBenchmark)
#include "bench_pick.moc"
