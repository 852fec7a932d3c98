// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a user does with the window, as real mouse and key events on real widgets.
// Each helper fails the current test (and returns) when the window does not let
// the user do it.

#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "TApplication.h"
#include "TComboBox.h"
#include "TLabel.h"

template <typename Widget = QWidget>
Widget* Control(const QWidget* window, const QString& name) {
    auto* widget = window->findChild<Widget*>(name);
    if (!widget) qWarning("no control named %s", qPrintable(name));
    return widget;
}

inline TComboBox* List(const QWidget* window, int number) {
    return Control<TComboBox>(window, QStringLiteral("ComboBox%1").arg(number));
}

// What a list shows: its prompt until it is first shown and builds its text field,
// then the field's text, which is the prompt, the entry picked or the text typed.
inline QString ShownText(const TComboBox* list) {
    return list->lineEdit() ? list->lineEdit()->text() : list->Prompt();
}

inline QString Caption(const QWidget* window, const QString& label) {
    const auto* widget = Control<QLabel>(window, label);
    return widget ? widget->text() : QString();
}

// Opens the list with Alt+Down and clicks the entry in the drop-down. (A list
// opened by a mouse click ignores a release that follows within the double-click
// interval; the keyboard opens it at once.)
inline void Pick(TComboBox* list, int index) {
    QVERIFY(list);
    QVERIFY2(list->isVisible(), qPrintable(list->objectName() + " is hidden"));
    QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
    QAbstractItemView* view = list->view();
    QTRY_VERIFY(view->isVisible());
    const QModelIndex entry = view->model()->index(index, 0);
    view->scrollTo(entry);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(entry).center());
    QTRY_VERIFY(!view->isVisible());
}

// Picks the entry that reads `entry`, wherever the list holds it.
inline void Pick(TComboBox* list, const QString& entry) {
    QVERIFY(list);
    QVERIFY2(list->isVisible(), qPrintable(list->objectName() + " is hidden"));
    const int index = list->findText(entry, Qt::MatchExactly);
    QVERIFY2(index >= 0, qPrintable(list->objectName() + " has no entry " + entry));
    Pick(list, index);
}

// Types into the list's text field; every keystroke is an edit.
inline void TypeInto(TComboBox* list, const QString& text) {
    QVERIFY(list);
    QVERIFY(list->isVisible());
    QTest::keyClicks(list, text);
}

// "pick N I" picks entry I of ComboBoxN, "pick N TEXT" its entry TEXT; "type N
// TEXT" types into it.
inline void Perform(const QWidget* window, const QString& action) {
    const QStringList words = action.split(' ');
    TComboBox* list = List(window, words.value(1).toInt());
    bool isIndex = false;
    const int index = words.value(2).toInt(&isIndex);
    if (words.value(0) == "pick" && isIndex && words.size() == 3)
        Pick(list, index);
    else if (words.value(0) == "pick")
        Pick(list, words.mid(2).join(' '));
    else if (words.value(0) == "type")
        TypeInto(list, words.mid(2).join(' '));
    else
        QFAIL(qPrintable("unknown action " + action));
}

// The menu key, as X11's platform plugin passes it on: a keyboard context menu
// event to the window, which Qt hands to the control with the focus.
inline void PressMenuKey(QWidget* window) {
    QVERIFY(window && window->windowHandle());
    QContextMenuEvent press(QContextMenuEvent::Keyboard, QPoint(), QCursor::pos());
    QApplication::sendEvent(window->windowHandle(), &press);
}

inline void Click(QWidget* widget) {
    QVERIFY(widget);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

// Watches for modal message boxes while a test runs: records each one's title and
// text and dismisses it with a click on its button, so that a test sees the error
// a user would see and never hangs on it.
class MessageBoxWatcher : public QObject {
public:
    MessageBoxWatcher() {
        connect(&poll_, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            titles.append(box->windowTitle());
            texts.append(box->text());
            Click(box->buttons().value(0));
        });
        poll_.start(5);
    }

    QStringList titles;
    QStringList texts;

private:
    QTimer poll_;
};

// The fixture the window tests share: the look the window was designed in, and
// before each test function a window of its own, shown, active and ready for the
// user's keys; it is gone after the function, whatever the function left open.
class WindowFixture : public QObject {
    Q_OBJECT

protected:
    using Open = std::unique_ptr<QWidget> (*)();
    explicit WindowFixture(Open open) : open_(open) {}

    std::unique_ptr<QWidget> form;

protected slots:
    void initTestCase() { ApplyDesignedLook(); }
    void init() {
        form = open_();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void cleanup() { form.reset(); }

private:
    Open open_;
};

template <typename Window>
std::unique_ptr<QWidget> Make() {
    return std::make_unique<Window>();
}
