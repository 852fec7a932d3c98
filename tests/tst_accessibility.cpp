// What a screen reader announces, and the window used with the keyboard alone.

#include <QAccessible>
#include <QtTest>

#include "TApplication.h"
#include "Unit1.h"
#include "UserActions.h"

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ApplyDesignedLook(); }
    void init();
    void cleanup() { form.reset(); }

    void names_data();
    void names();
    void everyListAndFigureIsNamedForItsGroup();
    void keyboardOnly();
    void aReachedListShowsOneField();

private:
    std::unique_ptr<TForm1> form;
};

namespace {

QString AccessibleName(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

}  // namespace

void AccessibilityTest::init() {
    form = OpenWindow();
    QVERIFY(form);
}

void AccessibilityTest::names_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");

    QTest::newRow("processor model") << "ComboBox12"
                                     << "Процессор: модель";
    QTest::newRow("graphics count") << "ComboBox33"
                                    << "Видеокарта: количество";
    QTest::newRow("memory overclock") << "ComboBox68"
                                      << "Оперативная память: разгон";
    QTest::newRow("disk row 2 count") << "ComboBox43"
                                      << "HDD, SSD: количество, ряд 2";
    QTest::newRow("optical row 4 type") << "ComboBox48"
                                        << "Оптический привод: тип, ряд 4";
    QTest::newRow("fan, plain 120 mm") << "ComboBox58"
                                       << "Вентиляторы: 120мм, обычный";
    QTest::newRow("fan, 200 mm cooler") << "ComboBox66"
                                        << "Вентиляторы: 200мм, процессорный";
    QTest::newRow("processor figure") << "Label1"
                                      << "Процессор: мощность";
    QTest::newRow("fan figure") << "Label15"
                                << "Вентиляторы: мощность";
    QTest::newRow("grand total") << "Label6"
                                 << "Общее максимальное энергопотребление";
    QTest::newRow("current") << "Edit1"
                             << "Ток по линии, ампер";
}

void AccessibilityTest::names() {
    QFETCH(QString, control);
    QWidget* widget = Control(form.get(), control);
    QVERIFY(widget);
    QTEST(AccessibleName(widget), "name");
}

// Each list's name starts with what its group is about, so that a list heard out
// of its place still says what it is for.
void AccessibilityTest::everyListAndFigureIsNamedForItsGroup() {
    const QMap<QString, QString> groupOf{
        {"GroupBox1", "Процессор: "},          {"GroupBox2", "Видеокарта: "},
        {"GroupBox3", "Оперативная память: "}, {"GroupBox4", "HDD, SSD: "},
        {"GroupBox5", "Оптический привод: "},  {"GroupBox7", "Вентиляторы: "}};
    QStringList named;
    for (int number = 1; number <= 69; ++number) named.append(QStringLiteral("ComboBox%1").arg(number));
    named << "Label1"
          << "Label2"
          << "Label3"
          << "Label4"
          << "Label5"
          << "Label15";
    for (const QString& name : named) {
        QWidget* widget = Control(form.get(), name);
        QWidget* group = widget->parentWidget();
        while (group && !groupOf.contains(group->objectName())) group = group->parentWidget();
        QVERIFY2(group, qPrintable(name));
        QVERIFY2(AccessibleName(widget).startsWith(groupOf[group->objectName()]), qPrintable(name));
        QVERIFY2(AccessibleName(widget).size() > groupOf[group->objectName()].size(), qPrintable(name));
    }
}

// Tab to the memory type, open it with Alt+Down, pick with the arrow keys and Enter.
void AccessibilityTest::keyboardOnly() {
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    List(form.get(), 1)->setFocus();
    TComboBox* memory = List(form.get(), 34);
    for (int step = 0; step < 5 && !memory->hasFocus(); ++step)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(memory->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down, Qt::AltModifier);
    QTRY_VERIFY(memory->Reached()->view()->isVisible());
    for (int step = 0; step < 8; ++step) QTest::keyClick(memory->Reached()->view(), Qt::Key_Down);
    QTest::keyClick(memory->Reached()->view(), Qt::Key_Return);
    QTRY_VERIFY(!memory->Reached()->view()->isVisible());
    QCOMPARE(memory->Text(), "DDR3 2400MHz");
    QCOMPARE(Caption(form.get(), "Label3"), "35Вт");
    QCOMPARE(Caption(form.get(), "Label6"), "115Вт");
}

// A screen reader finds one list with its name and, once the user has reached it,
// its text field inside: not a second, unnamed list in between.
void AccessibilityTest::aReachedListShowsOneField() {
    TComboBox* memory = List(form.get(), 34);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(memory);
    QVERIFY(list);
    QCOMPARE(list->childCount(), 0);
    TypeInto(memory, "8");
    QCOMPARE(list->childCount(), 1);
    QAccessibleInterface* field = list->child(0);
    QVERIFY(field);
    QCOMPARE(field->role(), QAccessible::EditableText);
    QCOMPARE(field->text(QAccessible::Value), "8Тип");
    QCOMPARE(list->indexOfChild(field), 0);
    QCOMPARE(list->text(QAccessible::Name), "Оперативная память: тип");
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
