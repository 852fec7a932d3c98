// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader announces, and the window used with the keyboard alone.

#include <QAccessible>
#include <QMenu>
#include <QtTest>

#include "Announce.h"
#include "Breakdown.h"
#include "Category.h"
#include "TApplication.h"
#include "Unit1.h"
#include "UserActions.h"
#include "Working.h"

class AccessibilityTest : public WindowFixture {
    Q_OBJECT

public:
    AccessibilityTest() : WindowFixture(Make<TForm1>) {}

private slots:
    // Qt's own texts, in the edit entries of the menu, as the program has them.
    void initTestCase() {
        WindowFixture::initTestCase();
        QVERIFY(TranslateQt(QStringLiteral("ru")));
    }
    void init();
    void names_data();
    void names();
    void everyListAndFigureIsNamedForItsGroup();
    void fanListsAreNamedAsTheWorkingNamesThem();
    void keyboardOnly();
    void everyListIsOneConsistentTree();
    void aPickIsAnnouncedWhereTheUserIs();
    void aChangeIsSpokenOnce_data();
    void aChangeIsSpokenOnce();
    void typingIsSpokenOnceItPauses();
    void developersPanelFromTheKeyboard();
    void oneMenuFromEveryControl_data();
    void oneMenuFromEveryControl();
};

namespace {

QString AccessibleName(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

// What the window has told the screen reader to speak.
QStringList heard;

}  // namespace

// Each test hears its own window only: what is spoken is tied to the window.
void AccessibilityTest::init() {
    heard.clear();
    WindowFixture::init();
    QObject::connect(Announcements::Instance(), &Announcements::Spoken, form.get(),
                     [](const QString& message) { heard.append(message); });
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

namespace {

QString FromModel(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

QString CaptionOf(Category category) { return FromModel(RowOf(category).caption); }

}  // namespace

// Each list's name starts with what its group is about, so that a list heard out
// of its place still says what it is for; a figure is heard by the caption its
// working and the report give it.
void AccessibilityTest::everyListAndFigureIsNamedForItsGroup() {
    const QMap<QString, Category> groupOf{
        {"GroupBox1", Category::Processor}, {"GroupBox2", Category::Graphics},
        {"GroupBox3", Category::Memory},    {"GroupBox4", Category::Disks},
        {"GroupBox5", Category::Optical},   {"GroupBox7", Category::Fans}};
    const QMap<QString, Category> figureOf{{"Label1", Category::Processor}, {"Label2", Category::Graphics},
                                           {"Label3", Category::Memory},    {"Label4", Category::Disks},
                                           {"Label5", Category::Optical},   {"Label15", Category::Fans}};
    QStringList named = figureOf.keys();
    for (int number = 1; number <= 70; ++number) named.append(QStringLiteral("ComboBox%1").arg(number));
    for (const QString& name : named) {
        QWidget* widget = Control(form.get(), name);
        QWidget* group = widget->parentWidget();
        while (group && !groupOf.contains(group->objectName())) group = group->parentWidget();
        QVERIFY2(group, qPrintable(name));
        const QString prefix = CaptionOf(groupOf[group->objectName()]) + ": ";
        QVERIFY2(AccessibleName(widget).startsWith(prefix), qPrintable(name));
        QVERIFY2(AccessibleName(widget).size() > prefix.size(), qPrintable(name));
    }
    for (auto figure = figureOf.cbegin(); figure != figureOf.cend(); ++figure)
        QCOMPARE(Control<TLabel>(form.get(), figure.key())->Subject(), CaptionOf(figure.value()));
}

// A fan cell is heard by the name its line of working gives it.
void AccessibilityTest::fanListsAreNamedAsTheWorkingNamesThem() {
    for (int cell = 0; cell < fanCells; ++cell) {
        PowerState state;
        state.fanCount[std::size_t(cell)] = 1;
        const std::string line = Working(Category::Fans, state, Compute(state), {}).front();
        const QString name = FromModel(std::string_view(line).substr(0, line.find(" × ")));
        QCOMPARE(AccessibleName(List(form.get(), 52 + cell)), CaptionOf(Category::Fans) + ": " + name);
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
    // The drop-down opens on the first entry; seven steps down is the eighth.
    for (int step = 0; step < 7; ++step) QTest::keyClick(memory->view(), Qt::Key_Down);
    QTest::keyClick(memory->view(), Qt::Key_Return);
    QTRY_VERIFY(!memory->view()->isVisible());
    QCOMPARE(ShownText(memory), "DDR3 2400MHz");
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
    for (int number = 1; number <= 70; ++number) {
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
        QCOMPARE(dropDown->childCount(), list->count());
        CheckChildren(dropDown, name + "/0");
        for (int entry = 0; entry < list->count(); ++entry)
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

// A pick in the drop-down says the category's new figure and the total on the
// list the user comes back to, and nothing more; moving on gives the list back
// the description it had.
void AccessibilityTest::aPickIsAnnouncedWhereTheUserIs() {
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    TComboBox* memory = List(form.get(), 34);
    memory->setAccessibleDescription("Тип памяти");
    memory->setFocus(Qt::TabFocusReason);
    QTest::keyClick(memory, Qt::Key_Down, Qt::AltModifier);
    QTRY_VERIFY(memory->view()->isVisible());
    QTest::keyClick(memory->view(), Qt::Key_Down);
    QTest::keyClick(memory->view(), Qt::Key_Return);
    QTRY_VERIFY(!memory->view()->isVisible());
    const QString said = "Оперативная память: 3 Вт. Общее максимальное энергопотребление: 83 Вт";
    QCOMPARE(memory->lineEdit()->accessibleDescription(), said);
    QCOMPARE(memory->lineEdit()->accessibleName(), "Оперативная память: тип");
    QCOMPARE(heard, QStringList());

    QTest::keyClick(memory, Qt::Key_Tab);
    QVERIFY(!memory->hasFocus());
    QCOMPARE(memory->accessibleDescription(), "Тип памяти");
    QCOMPARE(memory->lineEdit()->accessibleDescription(), QString());
}

// Where the focus stays, the change is spoken at once, once, and stays the
// control's description for "where am I".
void AccessibilityTest::aChangeIsSpokenOnce_data() {
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("at");
    QTest::addColumn<QString>("said");

    QTest::newRow("Down in a closed list")
        << QStringList{"Down"} << "ComboBox34"
        << "Оперативная память: 5 Вт. Общее максимальное энергопотребление: 85 Вт";
    QTest::newRow("= pressed") << QStringList{"35", "Tab", "12", "Tab", "Space"} << "Edit1"
                               << "Мощность по линии: 420 Вт";
}

void AccessibilityTest::aChangeIsSpokenOnce() {
    QFETCH(QStringList, keys);
    QFETCH(QString, at);
    QFETCH(QString, said);
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    Control(form.get(), at)->setFocus(Qt::TabFocusReason);
    QStringList spoken;
    for (const QString& key : keys) {
        if (key == "Down" || key == "Tab" || key == "Space") {
            spoken = heard;
            const Qt::Key code = key == "Down" ? Qt::Key_Down : key == "Tab" ? Qt::Key_Tab : Qt::Key_Space;
            QTest::keyClick(QApplication::focusWidget(), code);
        } else {
            QTest::keyClicks(QApplication::focusWidget(), key);
        }
    }
    QCOMPARE(heard.mid(spoken.size()), QStringList{said});
    // "Where am I" reads a list's text field.
    QWidget* focused = QApplication::focusWidget();
    if (auto* list = qobject_cast<QComboBox*>(focused)) focused = list->lineEdit();
    QCOMPARE(focused->accessibleDescription(), said);
}

// Each keystroke in a list changes its figure, but only the figure the typing
// ends on is spoken, once the typing pauses; moving on before it is spoken
// drops it.
void AccessibilityTest::typingIsSpokenOnceItPauses() {
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    TComboBox* count = List(form.get(), 35);
    count->setFocus(Qt::TabFocusReason);
    TypeInto(count, "12");
    QCOMPARE(heard, QStringList());
    // Told at once, a changed description is spoken too, on the desktops of Qt 6.8.
    QCOMPARE(count->lineEdit()->accessibleDescription(), QString());
    QTRY_COMPARE(heard.size(), 1);
    QCOMPARE(heard.first(), "Оперативная память: 0 Вт. Общее максимальное энергопотребление: 80 Вт");
    QCOMPARE(count->lineEdit()->accessibleDescription(), heard.first());

    TypeInto(count, "3");
    QTest::keyClick(count, Qt::Key_Tab);
    QTest::qWait(1500);
    QCOMPARE(heard.size(), 1);
}

// The corner mark's switch is in the context menu too, for the keyboard. Opened
// from the keyboard, the menu starts on its first entry.
void AccessibilityTest::developersPanelFromTheKeyboard() {
    QWidget* panel = Control(form.get(), "GroupBox11");
    QString first, entry;
    QTimer::singleShot(0, [&first, &entry] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu || !menu->activeAction()) return;
        first = menu->activeAction()->text();
        QTest::keyClick(menu, Qt::Key_Down);
        entry = menu->activeAction()->text();
        QTest::keyClick(menu, Qt::Key_Return);
    });
    TComboBox* fans = List(form.get(), 52);
    fans->setFocus(Qt::TabFocusReason);
    QTest::keyClick(fans, Qt::Key_F10, Qt::ShiftModifier);
    QCOMPARE(first, "Копировать отчёт");
    QCOMPARE(entry, "Разработчики");
    QTRY_VERIFY(panel->isVisible());
}

using OpenMenu = std::function<void(QWidget*)>;
Q_DECLARE_METATYPE(OpenMenu)

void AccessibilityTest::oneMenuFromEveryControl_data() {
    QTest::addColumn<OpenMenu>("open");
    QTest::addColumn<QStringList>("entries");

    const QStringList window{"Копировать отчёт", "Разработчики"};
    const QStringList field = window + QString(
                                           ",Отменить действие,Повторить действие,,Вырезать,Копировать,"
                                           "Вставить,Удалить,,Выделить всё")
                                           .split(u',');
    QTest::newRow("right-click in a list's field") << OpenMenu([](QWidget* window) {
        QLineEdit* field = List(window, 52)->lineEdit();
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, field->mapTo(window, QPoint(4, 4)));
    }) << field;
    QTest::newRow("menu key in the current") << OpenMenu([](QWidget* window) {
        Control(window, "Edit1")->setFocus(Qt::TabFocusReason);
        PressMenuKey(window);
    }) << field;
    QTest::newRow("right-click on a label") << OpenMenu([](QWidget* window) {
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
        form->activateWindow();
        open(form.get());
    }
    QCOMPARE(heard.size(), 2);
    QTEST(heard[0], "entries");
    QCOMPARE(heard[1], heard[0]);
    QCOMPARE(menus[1], menus[0]);
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
