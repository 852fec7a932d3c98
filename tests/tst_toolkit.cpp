// SPDX-License-Identifier: GPL-3.0-or-later
// The small layer over Qt: when a list reports a change and what it reports, and
// how an error raised inside a handler reaches the user.

#include <QMimeData>
#include <QSignalSpy>
#include <QtTest>
#include <stdexcept>

#include "Delivery.h"
#include "Exception.h"
#include "TApplication.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TLabel.h"
#include "UserActions.h"

class ToolkitTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { window.reset(); }

    void changeEvents_data();
    void changeEvents();
    void mousePickAfterTheDoubleClickInterval();
    void firstReach_data();
    void firstReach();
    void labelClicks();
    void handlerErrors_data();
    void handlerErrors();
    void qtTranslation();
    void delivery_data();
    void delivery();

private:
    std::unique_ptr<QWidget> window;
    TComboBox* list = nullptr;
    QLineEdit* elsewhere = nullptr;
    // Never focused, clicked or typed into before the test's own steps.
    TComboBox* untouched = nullptr;
};

void ToolkitTest::init() {
    window = std::make_unique<QWidget>();
    list = new TComboBox(window.get());
    list->setGeometry(8, 8, 120, 21);
    list->SetPrompt("Количество");
    list->SetEntries({"0", "1", "2", "3"});
    elsewhere = new QLineEdit(window.get());
    elsewhere->setGeometry(8, 40, 120, 21);
    untouched = new TComboBox(window.get());
    untouched->setGeometry(8, 140, 120, 21);
    untouched->SetPrompt("Количество");
    untouched->SetEntries({"0", "1", "2", "3"});
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    list->setFocus();
}

using Steps = std::function<void(TComboBox*, QLineEdit*)>;
Q_DECLARE_METATYPE(Steps)

void ToolkitTest::changeEvents_data() {
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<int>("changes");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");

    QTest::newRow("nothing yet") << Steps([](TComboBox*, QLineEdit*) {}) << 0 << -1 << "Количество";
    QTest::newRow("pick") << Steps([](TComboBox* l, QLineEdit*) { Pick(l, 2); }) << 1 << 2 << "2";
    QTest::newRow("re-pick of the entry shown")
        << Steps([](TComboBox* l, QLineEdit*) { Pick(l, 2), Pick(l, 2); }) << 2 << 2 << "2";
    QTest::newRow("arrow key") << Steps([](TComboBox* l, QLineEdit*) { QTest::keyClick(l, Qt::Key_Down); })
                               << 1 << 0 << "0";
    QTest::newRow("one change per keystroke")
        << Steps([](TComboBox* l, QLineEdit*) { TypeInto(l, "abc"); }) << 3 << -1 << "abcКоличество";
    QTest::newRow("an edit after a pick leaves no selection") << Steps([](TComboBox* l, QLineEdit*) {
        Pick(l, 1), QTest::keyClick(l->lineEdit(), Qt::Key_Backspace);
    }) << 2 << -1 << "";
    QTest::newRow("Enter on an entry's text is no pick") << Steps([](TComboBox* l, QLineEdit*) {
        l->lineEdit()->selectAll();
        TypeInto(l, "3");
        QTest::keyClick(l->lineEdit(), Qt::Key_Return);
    }) << 1 << -1 << "3";
    QTest::newRow("leaving the field is no pick") << Steps([](TComboBox* l, QLineEdit* other) {
        l->lineEdit()->selectAll();
        TypeInto(l, "3");
        other->setFocus();
    }) << 1 << -1 << "3";
    QTest::newRow("a pick after an edit")
        << Steps([](TComboBox* l, QLineEdit*) { TypeInto(l, "x"), Pick(l, 0); }) << 2 << 0 << "0";
    QTest::newRow("re-pick of the entry shown before an edit")
        << Steps([](TComboBox* l, QLineEdit*) { Pick(l, 2), TypeInto(l, "x"), Pick(l, 2); }) << 3 << 2 << "2";
    QTest::newRow("the program's own changes are silent") << Steps([](TComboBox* l, QLineEdit*) {
        l->setCurrentIndex(3);
        l->setEditText("x");
        l->hide();
        l->show();
    }) << 0 << 3 << "x";
}

void ToolkitTest::changeEvents() {
    QFETCH(Steps, steps);
    QSignalSpy changes(list, &TComboBox::Change);
    steps(list, elsewhere);
    QTEST(int(changes.count()), "changes");
    QTEST(list->ItemIndex(), "index");
    QTEST(ShownText(list), "text");
    // Typed text never becomes an entry.
    QCOMPARE(list->count(), 4);
}

void ToolkitTest::mousePickAfterTheDoubleClickInterval() {
    QSignalSpy changes(list, &TComboBox::Change);
    QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(list->width() - 6, list->height() / 2));
    QAbstractItemView* view = list->view();
    QTRY_VERIFY(view->isVisible());
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    const QRect entry = view->visualRect(view->model()->index(1, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, entry.center());
    QTRY_COMPARE(changes.count(), 1);
    QCOMPARE(list->ItemIndex(), 1);
}

// A list the user has not touched yet answers the first click, drag, key, wheel
// or drop as the editable list it is, its prompt an ordinary text.
void ToolkitTest::firstReach_data() {
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("changes");

    // The pointer lands on whatever part of the list lies under it: its text field.
    const auto afterText = [](TComboBox* l) {
        return QPoint(l->fontMetrics().horizontalAdvance("Количество") + 12, 10);
    };
    const auto under = [](TComboBox* l, QPoint point) {
        return std::pair{l->childAt(point), point - l->childAt(point)->pos()};
    };
    QTest::newRow("a click after the text puts the caret there") << Steps([=](TComboBox* l, QLineEdit*) {
        const auto [part, at] = under(l, afterText(l));
        QTest::mouseClick(part, Qt::LeftButton, {}, at);
        TypeInto(l, "x");
    }) << "Количествоx" << 1;
    QTest::newRow("a drag across the text selects it") << Steps([=](TComboBox* l, QLineEdit*) {
        const auto [part, from] = under(l, afterText(l));
        const QPoint to = under(l, QPoint(3, 10)).second;
        QTest::mousePress(part, Qt::LeftButton, {}, from);
        QTest::mouseMove(part, to);
        QTest::mouseRelease(part, Qt::LeftButton, {}, to);
        TypeInto(l, "y");
    }) << "y" << 1;
    QTest::newRow("Tab into it selects the text") << Steps([](TComboBox* l, QLineEdit* other) {
        other->setFocus();
        QTest::keyClick(other, Qt::Key_Tab);
        QVERIFY(l->hasFocus());
        TypeInto(l, "y");
    }) << "y" << 1;
    QTest::newRow("keys typed without a click go before the prompt")
        << Steps([](TComboBox* l, QLineEdit*) { TypeInto(l, "7"); }) << "7Количество" << 1;
    QTest::newRow("the wheel over it picks the next entry") << Steps([](TComboBox* l, QLineEdit*) {
        const QPointF centre = l->rect().center();
        QWheelEvent turn(centre, l->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(l, &turn);
        QVERIFY(turn.isAccepted());
    }) << "0" << 1;
    QTest::newRow("a click on the arrow opens the drop-down") << Steps([](TComboBox* l, QLineEdit*) {
        QTest::mouseClick(l, Qt::LeftButton, {}, QPoint(l->width() - 6, l->height() / 2));
        QTRY_VERIFY(l->view()->isVisible());
        QTest::keyClick(l->view(), Qt::Key_Escape);
    }) << "Количество" << 0;
    QTest::newRow("text dragged onto it drops into the field") << Steps([](TComboBox* l, QLineEdit*) {
        QMimeData dragged;
        dragged.setText("5");
        const QPoint start(3, 10);
        QLineEdit* field = l->lineEdit();
        QCOMPARE(l->childAt(start), field);
        const QPoint inField = field->mapFrom(l, start);
        QDragEnterEvent move(inField, Qt::CopyAction, &dragged, Qt::LeftButton, {});
        QApplication::sendEvent(field, &move);
        QVERIFY(move.isAccepted());
        QDropEvent drop(inField, Qt::CopyAction, &dragged, Qt::LeftButton, {});
        QApplication::sendEvent(field, &drop);
    }) << "5Количество" << 1;
    // Last: the pointer stays where it was left, over the next window's list.
    QTest::newRow("the pointer over the text is a text cursor") << Steps([](TComboBox* l, QLineEdit*) {
        QTest::mouseMove(l, QPoint(20, 10));
        QCOMPARE(l->childAt(20, 10)->cursor().shape(), Qt::IBeamCursor);
    }) << "Количество" << 0;
}

void ToolkitTest::firstReach() {
    QFETCH(Steps, steps);
    QSignalSpy changes(untouched, &TComboBox::Change);
    steps(untouched, elsewhere);
    QTEST(ShownText(untouched), "text");
    QTEST(int(changes.count()), "changes");
}

void ToolkitTest::labelClicks() {
    auto* label = new TLabel(window.get());
    label->setGeometry(8, 80, 60, 16);
    label->show();
    QSignalSpy clicks(label, &TLabel::Click);
    Click(label);
    QCOMPARE(clicks.count(), 1);
    QTest::mouseClick(label, Qt::RightButton);
    QCOMPARE(clicks.count(), 1);
    // Pressed on the label, released away from it: no click, as with a button.
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(200, 4));
    QCOMPARE(clicks.count(), 1);
}

using Thrower = std::function<void()>;
Q_DECLARE_METATYPE(Thrower)

void ToolkitTest::handlerErrors_data() {
    QTest::addColumn<Thrower>("thrower");
    QTest::addColumn<QString>("message");
    QTest::newRow("an Exception shows its message")
        << Thrower([] { throw EConvertError("\"x\" — не целое число"); }) << "\"x\" — не целое число";
    QTest::newRow("a std::exception shows an internal error and its text")
        << Thrower([] { throw std::runtime_error("not ours"); }) << "Внутренняя ошибка программы\n\nnot ours";
    QTest::newRow("anything else shows an internal error")
        << Thrower([] { throw 42; }) << "Внутренняя ошибка программы";
}

// The error is shown once, and the window goes on answering.
void ToolkitTest::handlerErrors() {
    QFETCH(Thrower, thrower);
    QFETCH(QString, message);
    MessageBoxWatcher watcher;
    auto* button = new TButton(window.get());
    button->setGeometry(8, 100, 40, 25);
    button->show();
    int calls = 0;
    connect(button, &TButton::Click, this, [&] { ++calls, thrower(); });
    connect(list, &TComboBox::Change, this, [&] { ++calls, thrower(); });

    Click(button);
    QCOMPARE(watcher.texts, QStringList{message});
    QCOMPARE(watcher.titles, QStringList{"Ostrel"});
    Pick(list, 1);
    QCOMPARE(watcher.texts, (QStringList{message, message}));
    QCOMPARE(calls, 2);
    QCOMPARE(list->ItemIndex(), 1);
}

// Without a translation Qt stays in English; with one, its own texts follow.
void ToolkitTest::qtTranslation() {
    QVERIFY(!TranslateQt(QStringLiteral("xx")));
    QCOMPARE(QLineEdit::tr("Select All"), "Select All");
    QVERIFY(TranslateQt(QStringLiteral("ru")));
    QCOMPARE(QLineEdit::tr("Select All"), "Выделить всё");
}

QTEST_MAIN(ToolkitTest)
// How a message reaches the screen reader, on each bridge: never twice, and never
// not at all, whatever the change came from.
void ToolkitTest::delivery_data() {
    QTest::addColumn<Bridge>("bridge");
    QTest::addColumn<TComboBox::Origin>("origin");
    QTest::addColumn<bool>("descriptionChanged");
    QTest::addColumn<Sent>("sent");
    QTest::addColumn<bool>("spokenNow");
    using O = TComboBox::Origin;
    const Bridge qt64{.speaksNewDescription = false, .announces = false};
    const Bridge atSpi68{.speaksNewDescription = true, .announces = true};
    const Bridge uia68{.speaksNewDescription = false, .announces = true};
    // Qt 6.4: a changed description is not heard, so only a notification is.
    QTest::newRow("6.4, drop-down pick") << qt64 << O::DropDown << true << Sent::Description << false;
    QTest::newRow("6.4, key in the list") << qt64 << O::Keys << true << Sent::Notification << true;
    QTest::newRow("6.4, typing") << qt64 << O::Typing << true << Sent::Notification << true;
    QTest::newRow("6.4, same description again") << qt64 << O::Keys << false << Sent::Notification << true;
    // Qt 6.8 on Linux: a changed description is heard; an announcement only says the same again.
    QTest::newRow("6.8, drop-down pick") << atSpi68 << O::DropDown << true << Sent::Description << false;
    QTest::newRow("6.8, drop-down pick of the same figures")
        << atSpi68 << O::DropDown << false << Sent::Description << false;
    QTest::newRow("6.8, key in the list") << atSpi68 << O::Keys << true << Sent::Description << true;
    QTest::newRow("6.8, typing") << atSpi68 << O::Typing << true << Sent::Description << true;
    QTest::newRow("6.8, same description again") << atSpi68 << O::Keys << false << Sent::Announcement << true;
    // Qt 6.8 on Windows: nothing is heard of a changed description, so every change is announced.
    QTest::newRow("Windows, drop-down pick") << uia68 << O::DropDown << true << Sent::Description << false;
    QTest::newRow("Windows, key in the list") << uia68 << O::Keys << true << Sent::Announcement << true;
    QTest::newRow("Windows, typing") << uia68 << O::Typing << true << Sent::Announcement << true;
    QTest::newRow("Windows, same description again")
        << uia68 << O::Keys << false << Sent::Announcement << true;
}

void ToolkitTest::delivery() {
    QFETCH(Bridge, bridge);
    QFETCH(TComboBox::Origin, origin);
    QFETCH(bool, descriptionChanged);
    const Delivery delivery = DeliveryOf(bridge, origin, descriptionChanged);
    QTEST(delivery.sent, "sent");
    QTEST(delivery.spokenNow, "spokenNow");
}

#include "tst_toolkit.moc"
