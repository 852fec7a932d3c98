// SPDX-License-Identifier: GPL-3.0-or-later
// On Windows the window needs no stand-ins: the system's own 3D-light behind it,
// pure red figures on it, and the bitmap face it was drawn in.

#include <windows.h>

#include <QtTest>

#include "DesignedFace.h"
#include "Unit1.h"
#include "UserActions.h"

class WindowsLookTest : public WindowFixture {
    Q_OBJECT

public:
    WindowsLookTest() : WindowFixture(Make<TForm1>) {}

private slots:
    void backgroundIsTheSystems3DLight();
    void figuresArePureRed();
    void faceIsTheDesignedOne();
};

void WindowsLookTest::backgroundIsTheSystems3DLight() {
    const COLORREF light = GetSysColor(COLOR_3DLIGHT);
    const QColor system(GetRValue(light), GetGValue(light), GetBValue(light));
    QCOMPARE(form->palette().color(QPalette::Window), system);
    // A corner of the window, as drawn.
    QCOMPARE(QColor(form->grab().toImage().pixel(645, 660)), system);
}

void WindowsLookTest::figuresArePureRed() {
    for (const char* name :
         {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label15", "Label28"})
        QCOMPARE(Control(form.get(), name)->palette().color(QPalette::WindowText), QColor(Qt::red));
}

void WindowsLookTest::faceIsTheDesignedOne() {
    QCOMPARE(DesignedFace(), "MS Sans Serif");
    QCOMPARE(QFontInfo(form->font()).family(), "MS Sans Serif");
}

QTEST_MAIN(WindowsLookTest)
#include "tst_windows_look.moc"
