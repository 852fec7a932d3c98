// SPDX-License-Identifier: GPL-3.0-or-later
// What a Windows screen reader is told of each change: exactly one UI Automation
// notification, with the figures, where the focus stays; none where the focus,
// coming back to a list from its drop-down, reads the figures itself.
//
// Qt raises the notification with UiaRaiseNotificationEvent, and only while a
// client listens (UiaClientsAreListening). This program stands in for both ends:
// its own definitions of the two functions take the place of the ones Qt calls
// (CMakeLists.txt says how), so it hears what Qt raises, with or without a screen
// reader.

#include <uiautomation.h>
#include <windows.h>

#include <QtTest>

#include "Unit1.h"
#include "UserActions.h"

namespace {

// What Qt has raised, in order.
QStringList raised;

}  // namespace

extern "C" HRESULT WINAPI UiaRaiseNotificationEvent(IRawElementProviderSimple*, NotificationKind,
                                                    NotificationProcessing, BSTR displayString, BSTR) {
    raised.append(QString::fromWCharArray(displayString, int(SysStringLen(displayString))));
    return S_OK;
}

extern "C" WINBOOL WINAPI UiaClientsAreListening() { return TRUE; }

class WindowsAnnouncementsTest : public WindowFixture {
    Q_OBJECT

public:
    WindowsAnnouncementsTest() : WindowFixture(Make<TForm1>) {}

private slots:
    void init();
    void eachChangeRaisesOneNotification_data();
    void eachChangeRaisesOneNotification();
};

// As a screen reader does first: ask the window for its UI Automation root.
void WindowsAnnouncementsTest::init() {
    WindowFixture::init();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    SendMessageW(reinterpret_cast<HWND>(form->winId()), WM_GETOBJECT, 0,
                 static_cast<LPARAM>(UiaRootObjectId));
    raised.clear();
}

void WindowsAnnouncementsTest::eachChangeRaisesOneNotification_data() {
    QTest::addColumn<QString>("at");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("atOnce");
    QTest::addColumn<QStringList>("onceTypingPauses");

    const QString memoryFigures = "Оперативная память: 5 Вт. Общее максимальное энергопотребление: 85 Вт";
    QTest::newRow("Down in a closed list")
        << "ComboBox34" << QStringList{"Down"} << QStringList{memoryFigures} << QStringList{memoryFigures};
    QTest::newRow("pick in the drop-down")
        << "ComboBox34" << QStringList{"Alt+Down", "Down", "Return"} << QStringList() << QStringList();
    QTest::newRow("= pressed") << "Edit1" << QStringList{"35", "Tab", "12", "Tab", "Space"}
                               << QStringList{"Мощность по линии: 420 Вт"}
                               << QStringList{"Мощность по линии: 420 Вт"};
    QTest::newRow("typing a count")
        << "ComboBox35" << QStringList{"12"} << QStringList()
        << QStringList{"Оперативная память: 0 Вт. Общее максимальное энергопотребление: 80 Вт"};
}

void WindowsAnnouncementsTest::eachChangeRaisesOneNotification() {
    QFETCH(QString, at);
    QFETCH(QStringList, keys);
    Control(form.get(), at)->setFocus(Qt::TabFocusReason);
    raised.clear();
    for (const QString& key : keys) {
        QWidget* focused = QApplication::focusWidget();
        if (auto* list = qobject_cast<QComboBox*>(focused); list && list->view()->isVisible())
            focused = list->view();
        // Digits are typed; anything else is a key by its name.
        if (key.front().isDigit())
            QTest::keyClicks(focused, key);
        else
            QTest::keySequence(focused, QKeySequence(key));
        if (key == "Alt+Down") QTRY_VERIFY(Control<QComboBox>(form.get(), at)->view()->isVisible());
    }
    QTEST(raised, "atOnce");
    // Longer than the pause after which typing is told.
    QTest::qWait(1500);
    QTEST(raised, "onceTypingPauses");
}

QTEST_MAIN(WindowsAnnouncementsTest)
#include "tst_windows_announcements.moc"
