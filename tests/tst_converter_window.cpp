// SPDX-License-Identifier: GPL-3.0-or-later
// The current-to-power converter through the real window: typed texts, a click on
// "=", the result or the error dialog, the rest of the window untouched, and the
// check of the line against the total.

#include <QClipboard>
#include <QtTest>

#include "Unit1.h"
#include "UserActions.h"

class ConverterWindowTest : public WindowFixture {
    Q_OBJECT

public:
    ConverterWindowTest() : WindowFixture(Make<TForm1>) {}

private slots:
    void convert_data();
    void convert();
    void failedClickKeepsTheLastResult();
    void converterLeavesTheFiguresAlone();
    void supplyCheckFollowsPicksAndConversions();
    void keysOnTheConverter_data();
    void keysOnTheConverter();
    void tabbingBackSelectsTheField_data();
    void tabbingBackSelectsTheField();

private:
    // Replaces both fields' texts by typing and clicks "=".
    void Convert(const QString& amperes, const QString& volts);
};

void ConverterWindowTest::Convert(const QString& amperes, const QString& volts) {
    for (const auto& [name, text] : {std::pair{"Edit1", amperes}, std::pair{"Edit2", volts}}) {
        auto* field = Control<QLineEdit>(form.get(), name);
        QVERIFY(field);
        Click(field);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
        QCOMPARE(field->text(), text);
    }
    Click(Control(form.get(), "Button1"));
}

void ConverterWindowTest::convert_data() {
    QTest::addColumn<QString>("amperes");
    QTest::addColumn<QString>("volts");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("error");

    QTest::newRow("the warning's example") << "35"
                                           << "12"
                                           << "420Вт"
                                           << "";
    QTest::newRow("negative current") << "-5"
                                      << "12"
                                      << "-60Вт"
                                      << "";
    QTest::newRow("zero") << "0"
                          << "7"
                          << "0Вт"
                          << "";
    QTest::newRow("blanks and a plus") << " 35 "
                                       << "+12"
                                       << "420Вт"
                                       << "";
    QTest::newRow("past 32 bits") << "2147483647"
                                  << "2"
                                  << "4294967294Вт"
                                  << "";
    QTest::newRow("both smallest") << "-2147483648"
                                   << "-2147483648"
                                   << "4611686018427387904Вт"
                                   << "";
    QTest::newRow("both empty: the current fails first") << ""
                                                         << ""
                                                         << "0Вт"
                                                         << "\"\" — не целое число";
    QTest::newRow("fraction") << "3.5"
                              << "12"
                              << "0Вт"
                              << "\"3.5\" — не целое число";
    QTest::newRow("empty voltage") << "35"
                                   << ""
                                   << "0Вт"
                                   << "\"\" — не целое число";
    QTest::newRow("only the current's error is shown") << "abc"
                                                       << "xyz"
                                                       << "0Вт"
                                                       << "\"abc\" — не целое число";
    QTest::newRow("too large") << "2147483648"
                               << "1"
                               << "0Вт"
                               << "\"2147483648\" — не целое число";
    QTest::newRow("markup is shown as typed") << "<b>1</b>"
                                              << "1"
                                              << "0Вт"
                                              << "\"<b>1</b>\" — не целое число";
    QTest::newRow("a long text is cut in the message") << QString(60, '9') << "1"
                                                       << "0Вт"
                                                       << "\"" + QString(40, '9') + "…\" — не целое число";
}

void ConverterWindowTest::convert() {
    QFETCH(QString, amperes);
    QFETCH(QString, volts);
    QFETCH(QString, error);
    MessageBoxWatcher watcher;
    Convert(amperes, volts);
    QTEST(Caption(form.get(), "Label28"), "result");
    QCOMPARE(watcher.texts, error.isEmpty() ? QStringList{} : QStringList{error});
}

void ConverterWindowTest::failedClickKeepsTheLastResult() {
    MessageBoxWatcher watcher;
    Convert("35", "12");
    Convert("35", "");
    QCOMPARE(Caption(form.get(), "Label28"), "420Вт");
    QCOMPARE(watcher.texts.size(), 1);
    // The window goes on answering: the next good click converts.
    Convert("10", "5");
    QCOMPARE(Caption(form.get(), "Label28"), "50Вт");
    QCOMPARE(watcher.texts.size(), 1);
}

void ConverterWindowTest::converterLeavesTheFiguresAlone() {
    Pick(List(form.get(), 34), 0);
    QCOMPARE(Caption(form.get(), "Label6"), "85Вт");
    Convert("35", "12");
    QCOMPARE(Caption(form.get(), "Label6"), "85Вт");
    QCOMPARE(Caption(form.get(), "Label3"), "5Вт");
    QCOMPARE(Caption(form.get(), "Label28"), "420Вт");
}

// The tooltip compares what Label28 shows with what Label6 shows; the report,
// copied with Ctrl+C, ends on the same comparison.
void ConverterWindowTest::supplyCheckFollowsPicksAndConversions() {
    auto* result = Control<QLabel>(form.get(), "Label28");
    QVERIFY(result);
    QCOMPARE(result->toolTip(), "");
    MessageBoxWatcher watcher;

    // Before the first pick the total shows 0 W: the base alone is not compared.
    Convert("35", "12");
    QCOMPARE(result->toolTip(), "Линия 420 Вт: сравнивать не с чем, ничего не выбрано");
    QTest::keyClick(form.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             "Ostrel: расчёт мощности\nНичего не выбрано: мощность не посчитана\n"
             "Линия 420 Вт: сравнивать не с чем, ничего не выбрано\n");
    for (const char* x6 : {"pick 1 0", "pick 2 AMD Phenom™ II X6", "pick 5 0"}) Perform(form.get(), x6);
    QCOMPARE(Caption(form.get(), "Label6"), "205Вт");
    QCOMPARE(result->toolTip(), "Линия 420 Вт: хватает, запас 215 Вт, нагрузка 49 %");
    Convert("20", "12");
    const QString tight = "Линия 240 Вт: хватает, но запас 35 Вт меньше 50 Вт, нагрузка 86 %";
    QCOMPARE(result->toolTip(), tight);
    Convert("20", "");
    QCOMPARE(watcher.texts.size(), 1);
    QCOMPARE(result->toolTip(), tight);
    for (const char* gtx580 : {"pick 16 1", "pick 17 Серия 5xx", "pick 19 0"}) Perform(form.get(), gtx580);
    QCOMPARE(Caption(form.get(), "Label6"), "570Вт");
    const QString shortOf = "Линия 240 Вт: не хватает 330 Вт, с запасом 50 Вт — 380 Вт";
    QCOMPARE(result->toolTip(), shortOf);

    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    auto* button = Control(form.get(), "Button1");
    button->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY2(QGuiApplication::clipboard()->text().endsWith("\n" + shortOf + "\n"),
             qPrintable(QGuiApplication::clipboard()->text()));
}

void ConverterWindowTest::keysOnTheConverter_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("result");
    QTest::newRow("Return on =") << "Button1" << int(Qt::Key_Return) << "420Вт";
    QTest::newRow("Enter on =") << "Button1" << int(Qt::Key_Enter) << "420Вт";
    QTest::newRow("Return in the voltage") << "Edit2" << int(Qt::Key_Return) << "0Вт";
}

// Only "=" converts, from the keyboard as from the mouse.
void ConverterWindowTest::keysOnTheConverter() {
    QFETCH(QString, control);
    QFETCH(int, key);
    QTest::keyClicks(Control(form.get(), "Edit1"), "35");
    QTest::keyClicks(Control(form.get(), "Edit2"), "12");
    QWidget* focused = Control(form.get(), control);
    focused->setFocus(Qt::TabFocusReason);
    QTest::keyClick(focused, Qt::Key(key));
    QTEST(Caption(form.get(), "Label28"), "result");
}

// Shift+Tab back into a field selects its text, so that what is typed replaces it;
// the selection comes a moment after the focus, and what is typed before it comes
// is kept, never selected and lost.
void ConverterWindowTest::tabbingBackSelectsTheField_data() {
    QTest::addColumn<bool>("pause");
    QTest::addColumn<QString>("text");
    QTest::newRow("typed after the selection") << true << "45";
    QTest::newRow("typed before it") << false << "3545";
}

void ConverterWindowTest::tabbingBackSelectsTheField() {
    QFETCH(bool, pause);
    auto* current = Control<QLineEdit>(form.get(), "Edit1");
    current->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(current, "35");
    QTest::keyClick(current, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), current);
    if (pause) QTRY_VERIFY(current->hasSelectedText());
    QTest::keyClick(current, Qt::Key_4);
    QTest::qWait(20);
    QTest::keyClick(current, Qt::Key_5);
    QTEST(current->text(), "text");
}

QTEST_MAIN(ConverterWindowTest)
#include "tst_converter_window.moc"
