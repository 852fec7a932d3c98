// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader announces, and the window used with the keyboard alone.

#include <QAccessible>
#include <QMenu>
#include <QtTest>

#include "TApplication.h"
#include "Unit1.h"
#include "UserActions.h"

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        ApplyDesignedLook();
        QVERIFY(TranslateQt(QStringLiteral("ru")));
    }
    void init();
    void cleanup() { form.reset(); }

    void names_data();
    void names();
    void everyListAndFigureIsNamedForItsGroup();
    void keyboardOnly();
    void everyListIsOneConsistentTree();
    void aPickIsAnnouncedWhereTheUserIs();
    void developersPanelFromTheKeyboard();
    void oneMenuFromEveryControl_data();
    void oneMenuFromEveryControl();

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
    form = OpenWindow<TForm1>();
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
                                      << "Процессор: 0 Вт";
    QTest::newRow("fan figure") << "Label15"
                                << "Вентиляторы: 0 Вт";
    QTest::newRow("grand total") << "Label6"
                                 << "Общее максимальное энергопотребление: 0 Вт";
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
    QTRY_VERIFY(memory->view()->isVisible());
    for (int step = 0; step < 8; ++step) QTest::keyClick(memory->view(), Qt::Key_Down);
    QTest::keyClick(memory->view(), Qt::Key_Return);
    QTRY_VERIFY(!memory->view()->isVisible());
    QCOMPARE(memory->Text(), "DDR3 2400MHz");
    QCOMPARE(Caption(form.get(), "Label3"), "35Вт");
    QCOMPARE(Caption(form.get(), "Label6"), "115Вт");
}

// Every node below the list names as its parent the node that lists it, at the
// place it is listed.
void CheckChildren(QAccessibleInterface* node, const QString& path) {
    for (int index = 0; index < node->childCount(); ++index) {
        QAccessibleInterface* child = node->child(index);
        const QString at = path + "/" + QString::number(index);
        QVERIFY2(child, qPrintable(at));
        QVERIFY2(child->parent() == node, qPrintable(at));
        QVERIFY2(node->indexOfChild(child) == index, qPrintable(at));
    }
}

// A screen reader walks a list as Qt's own: the drop-down, whose rows are the
// entries, then the text field, whatever the list shows.
void AccessibilityTest::everyListIsOneConsistentTree() {
    for (int number = 1; number <= 69; ++number) {
        TComboBox* list = List(form.get(), number);
        QVERIFY(list);
        list->show();
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(list);
        QVERIFY(node);
        const QString name = list->objectName();
        QCOMPARE(node->role(), QAccessible::ComboBox);
        QCOMPARE(node->text(QAccessible::Name), list->accessibleName());
        QCOMPARE(node->text(QAccessible::Value), list->Prompt());
        QCOMPARE(node->childCount(), 2);
        CheckChildren(node, name);

        QAccessibleInterface* dropDown = node->child(0);
        QCOMPARE(dropDown->role(), QAccessible::List);
        QCOMPARE(dropDown->childCount(), list->Count());
        CheckChildren(dropDown, name + "/0");
        for (int entry = 0; entry < list->Count(); ++entry)
            QCOMPARE(dropDown->child(entry)->text(QAccessible::Name), list->itemText(entry));

        QAccessibleInterface* field = node->child(1);
        QCOMPARE(field->role(), QAccessible::EditableText);
        QCOMPARE(field->object(), list->lineEdit());
        QCOMPARE(node->childAt(field->rect().center().x(), field->rect().center().y()), field);
    }
    // The value follows what the user picks or types; the name stays.
    TComboBox* memory = List(form.get(), 34);
    Pick(memory, 2);
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(memory);
    QCOMPARE(node->text(QAccessible::Value), "DDR3 1066MHz");
    TypeInto(memory, "8");
    QCOMPARE(node->text(QAccessible::Value), memory->lineEdit()->text());
    QCOMPARE(node->child(1)->text(QAccessible::Value), memory->lineEdit()->text());
    QCOMPARE(node->text(QAccessible::Name), "Оперативная память: тип");
}

// A keyboard pick says the category's new figure and the total on the list the
// user stays in; moving on takes the message away.
void AccessibilityTest::aPickIsAnnouncedWhereTheUserIs() {
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    TComboBox* memory = List(form.get(), 34);
    memory->setFocus(Qt::TabFocusReason);
    QTest::keyClick(memory, Qt::Key_Down, Qt::AltModifier);
    QTRY_VERIFY(memory->view()->isVisible());
    QTest::keyClick(memory->view(), Qt::Key_Down);
    QTest::keyClick(memory->view(), Qt::Key_Return);
    QTRY_VERIFY(!memory->view()->isVisible());
    const QString heard = "Оперативная память: 3 Вт. Общее максимальное энергопотребление: 83 Вт";
    QCOMPARE(QAccessible::queryAccessibleInterface(memory)->text(QAccessible::Description), heard);
    QCOMPARE(memory->lineEdit()->accessibleDescription(), heard);
    QCOMPARE(memory->lineEdit()->accessibleName(), "Оперативная память: тип");

    QTest::keyClick(memory, Qt::Key_Tab);
    QVERIFY(!memory->hasFocus());
    QCOMPARE(memory->accessibleDescription(), QString());
    QCOMPARE(memory->lineEdit()->accessibleDescription(), QString());
}

// The corner mark's switch is in the context menu too, for the keyboard.
void AccessibilityTest::developersPanelFromTheKeyboard() {
    QWidget* panel = Control(form.get(), "GroupBox11");
    QString entry;
    QTimer::singleShot(0, [&entry] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        entry = QAccessible::queryAccessibleInterface(menu)->child(1)->text(QAccessible::Name);
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    TComboBox* fans = List(form.get(), 52);
    fans->setFocus(Qt::TabFocusReason);
    QTest::keyClick(fans, Qt::Key_F10, Qt::ShiftModifier);
    QCOMPARE(entry, "Разработчики");
    QTRY_VERIFY(panel->isVisible());
}

using OpenMenu = std::function<void(TForm1*)>;
Q_DECLARE_METATYPE(OpenMenu)

void AccessibilityTest::oneMenuFromEveryControl_data() {
    QTest::addColumn<OpenMenu>("open");
    QTest::addColumn<QStringList>("entries");

    const QStringList window{"Копировать отчёт", "Разработчики"};
    const QStringList field = window + QString(
                                           ",Отменить действие,Повторить действие,,Вырезать,Копировать,"
                                           "Вставить,Удалить,,Выделить всё")
                                           .split(u',');
    QTest::newRow("right-click in a list's field") << OpenMenu([](TForm1* window) {
        QLineEdit* field = List(window, 52)->lineEdit();
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, field->mapTo(window, QPoint(4, 4)));
    }) << field;
    QTest::newRow("menu key in the current") << OpenMenu([](TForm1* window) {
        Control(window, "Edit1")->setFocus(Qt::TabFocusReason);
        PressMenuKey(window);
    }) << field;
    QTest::newRow("right-click on a label") << OpenMenu([](TForm1* window) {
        QWidget* label = Control(window, "Label8");
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, label->mapTo(window, QPoint(2, 2)));
    }) << window;
}

// The window's entries first, then a field's own, in Russian, as a screen reader
// reads them; opened twice, the same menu each time and no entry left over.
void AccessibilityTest::oneMenuFromEveryControl() {
    QFETCH(OpenMenu, open);
    QList<QStringList> heard;
    QList<QMenu*> menus;
    for (int opening = 0; opening < 2; ++opening) {
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            menus << menu;
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(menu);
            QStringList names;
            for (int i = 0; i < accessible->childCount(); ++i)
                names << accessible->child(i)->text(QAccessible::Name).remove(u'&').section(u'\t', 0, 0);
            heard << names;
            QTest::keyClick(menu, Qt::Key_Escape);
        });
        // Offscreen, no window manager gives the window back its activation once the
        // menu has closed.
        QApplication::setActiveWindow(form.get());
        open(form.get());
    }
    QCOMPARE(heard.size(), 2);
    QTEST(heard[0], "entries");
    QCOMPARE(heard[1], heard[0]);
    QCOMPARE(menus[1], menus[0]);
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
