// SPDX-License-Identifier: GPL-3.0-or-later
// The working behind the figures, as a user finds it in the window: the tooltip
// of each figure label, and the report that Ctrl+Shift+C and the context menu copy.

#include <QClipboard>
#include <QMenu>
#include <QSignalSpy>
#include <QToolTip>
#include <QtTest>

#include "Unit1.h"
#include "UserActions.h"

class ReportTest : public WindowFixture {
    Q_OBJECT

public:
    ReportTest() : WindowFixture(Make<TForm1>) {}

private slots:
    void cleanup();

    void tooltips_data();
    void tooltips();
    void aLabelNotYetRefreshedHasNoWorking();
    void copy_data();
    void copy();
    void ctrlCInAFieldCopiesItsText_data();
    void ctrlCInAFieldCopiesItsText();

private:
    // The tooltip a user sees after resting the pointer on the label.
    QString Hover(const QString& label);
};

namespace {

const QStringList gtx580 = {"pick 16 1", "pick 17 Серия 5xx", "pick 19 0"};
const QStringList x6 = {"pick 1 0", "pick 2 AMD Phenom™ II X6", "pick 5 0"};

const QString report1100TAndFourSata =
    "Ostrel: расчёт мощности\n"
    "Процессор: 1100T; 125 Вт, разгон 0 %: 125 × 0 ÷ 200 = 0; 0 + 125 + 0 = 125 Вт\n"
    "Видеокарта: Видеокарта не выбрана: 0 Вт\n"
    "Оперативная память: Память не выбрана: 0 Вт\n"
    "HDD, SSD: SATA × 4 = 40 Вт\n"
    "Оптический привод: Приводы не выбраны: 0 Вт\n"
    "Вентиляторы: Вентиляторы не выбраны: 0 Вт\n"
    "Основа 80 Вт + процессор 125 + видеокарта 0 + память 0 + диски 40 + приводы 0 + вентиляторы 0 = 245 Вт\n"
    "Блок питания: 245 + 50 Вт запаса = 295 Вт → 300 Вт\n"
    "Ток по линии 12 В: 245 ÷ 12 → 21 А\n";

// What the window shows: every figure label and every list's text.
QStringList Shown(const QWidget* window) {
    QStringList shown;
    for (const char* label :
         {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label15", "Label28"})
        shown << Caption(window, label);
    for (int number = 1; number <= 70; ++number) {
        const TComboBox* list = List(window, number);
        shown << ShownText(list) + (list->isVisible() ? "+" : "-") + QString::number(list->ItemIndex());
    }
    return shown;
}

}  // namespace

void ReportTest::cleanup() {
    QToolTip::hideText();
    WindowFixture::cleanup();
}

QString ReportTest::Hover(const QString& name) {
    auto* label = Control<QLabel>(form.get(), name);
    if (!label) return "no label";
    // Windows hides a tip only after a moment, and until then shows the next in the
    // same window, without showing it anew.
    (void)QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 1000);
    // The tip is a window of its own, which the offscreen platform activates and
    // so hides again at once: what it showed is read as it is shown.
    QStringList shown;
    struct TipWatcher : QObject {
        QStringList* shown;
        bool eventFilter(QObject* object, QEvent* event) override {
            if (event->type() == QEvent::Show && object->objectName() == "qtooltip_label")
                shown->append(static_cast<QLabel*>(object)->text());
            return false;
        }
    } watcher;
    watcher.shown = &shown;
    qApp->installEventFilter(&watcher);
    const QPoint at = label->rect().center();
    QCoreApplication::postEvent(label, new QHelpEvent(QEvent::ToolTip, at, label->mapToGlobal(at)));
    (void)QTest::qWaitFor([&] { return !shown.isEmpty(); }, 300);
    qApp->removeEventFilter(&watcher);
    QToolTip::hideText();
    return shown.value(0);
}

void ReportTest::tooltips_data() {
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("tooltip");

    QTest::newRow("processor at 10 %")
        << x6 + QStringList{"pick 67 10"} << "Label1"
        << "1100T\n125 Вт, разгон 10 %: 125 × 10 ÷ 200 = 6; 6 + 125 + 10 = 141 Вт";
    QTest::newRow("overclock with no processor") << QStringList{"pick 67 10"} << "Label1"
                                                 << "Процессор не выбран\n"
                                                    "0 Вт, разгон 10 %: 0 × 10 ÷ 200 = 0; 0 + 0 + 10 = 10 Вт";
    QTest::newRow("processor dashes: counts 0 W") << x6 + QStringList{"pick 67 10", "pick 1 2"} << "Label1"
                                                  << "Процессор не выбран: 0 Вт";
    QTest::newRow("after the dashes entry no model is named")
        << x6 + QStringList{"pick 1 2", "pick 67 10"} << "Label1"
        << "Процессор не выбран\n0 Вт, разгон 10 %: 0 × 10 ÷ 200 = 0; 0 + 0 + 10 = 10 Вт";
    QTest::newRow("the model picked last, in whichever list")
        << x6 + QStringList{"pick 1 1", "pick 3 Intel Core i7"} << "Label1"
        << "1100T\n125 Вт, разгон 0 %: 125 × 0 ÷ 200 = 0; 0 + 125 + 0 = 125 Вт";
    QTest::newRow("four cards at 20 %")
        << gtx580 + QStringList{"pick 33 3", "pick 69 20"} << "Label2"
        << "GeForce GTX 580\n4 × 365 Вт = 1460 Вт, разгон 20 %: 1460 × 20 ÷ 100 = 292; 1460 + 292 = 1752 Вт";
    QTest::newRow("typed card count counts nothing") << gtx580 + QStringList{"type 33 x"} << "Label2"
                                                     << "GeForce GTX 580\nколичество не выбрано: 0 Вт";
    QTest::newRow("memory truncated per module")
        << QStringList{"pick 34 4", "pick 35 1", "pick 68 10"} << "Label3"
        << "DDR3 1600MHz\n2 × 11 Вт, разгон 10 %: 11 × 10² ÷ 800 = 1 на планку; (11 + 1) × 2 = 24 Вт";
    QTest::newRow("disk rows that count")
        << QStringList{"pick 36 5", "pick 37 3", "pick 41 8", "pick 40 --------------------"} << "Label4"
        << "SATA × 4 = 40 Вт\nSSD × 1 = 1 Вт\n40 + 1 = 41 Вт";
    QTest::newRow("optical rows 2 and 3")
        << QStringList{"pick 46 1", "pick 49 2", "pick 47 0", "pick 50 1"} << "Label5"
        << "DVD-RW/DVD+RW × 3 = 81 Вт\nCD-ROM × 2 = 30 Вт\n81 + 30 = 111 Вт";
    QTest::newRow("fan cells that count")
        << QStringList{"pick 58 1", "pick 66 2", "pick 53 3", "pick 53 0"} << "Label15"
        << "120мм, обычный × 1 = 5 Вт\n200мм, процессорный × 2 = 58 Вт\n5 + 58 = 63 Вт";
    QTest::newRow("typed fan count counts nothing") << QStringList{"pick 66 2", "type 66 x"} << "Label15"
                                                    << "Вентиляторы не выбраны: 0 Вт";
    QTest::newRow("total, supply and current")
        << x6 + QStringList{"pick 67 10", "pick 36 5", "pick 37 3"} << "Label6"
        << "Основа 80 Вт + процессор 141 + видеокарта 0 + память 0 + диски 40 + приводы 0 + вентиляторы 0 = "
           "261 "
           "Вт\nБлок питания: 261 + 50 Вт запаса = 311 Вт → 350 Вт\nТок по линии 12 В: 261 ÷ 12 → 22 А";
    QTest::newRow("past 2000 W, the current exact")
        << QStringList{"pick 16 0",  "pick 18 Серия 6xxx", "pick 27 0", "pick 33 3",
                       "pick 69 20", "pick 34 7",          "pick 35 3", "pick 68 20"}
        << "Label6"
        << "Основа 80 Вт + процессор 0 + видеокарта 1800 + память 208 + диски 0 + приводы 0 + вентиляторы 0 "
           "= 2088 "
           "Вт\nБлок питания: 2088 + 50 Вт запаса = 2138 Вт → 2200 Вт\nТок по линии 12 В: 2088 ÷ 12 → 174 А";
}

void ReportTest::tooltips() {
    QFETCH(QStringList, actions);
    QFETCH(QString, label);
    for (const QString& action : actions) {
        Perform(form.get(), action);
        if (QTest::currentTestFailed()) return;
    }
    QTEST(Hover(label), "tooltip");
}

// A tooltip describes the figure its label shows, so a label still showing the
// window's "0Вт" has none; a refresh of another category gives it none either.
void ReportTest::aLabelNotYetRefreshedHasNoWorking() {
    for (const char* label : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label15"})
        QVERIFY2(Hover(label).isEmpty(), label);
    Perform(form.get(), "pick 58 1");
    QVERIFY(!Hover("Label6").isEmpty());
    QVERIFY(!Hover("Label15").isEmpty());
    QVERIFY(Hover("Label1").isEmpty());
}

// Copies the report as a user does; gives the context menu's entry it picked, if any.
using Copy = std::function<QString(QWidget*)>;
Q_DECLARE_METATYPE(Copy)

namespace {

// Acts on the context menu once it is open: takes its first entry with the
// keyboard (a menu opened from the keyboard starts there) and gives its name. The
// entry outlives the call: the menu may open after it returns.
std::shared_ptr<QString> PickFromContextMenu() {
    auto entry = std::make_shared<QString>();
    QTimer::singleShot(0, [entry] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        if (!menu->activeAction()) QTest::keyClick(menu, Qt::Key_Down);
        if (menu->activeAction()) *entry = menu->activeAction()->text();
        QTest::keyClick(menu, Qt::Key_Return);
    });
    return entry;
}

}  // namespace

void ReportTest::copy_data() {
    QTest::addColumn<Copy>("copy");
    QTest::addColumn<QString>("menuEntry");

    // The report's shortcut, from every kind of control; a field's text selected as
    // Tab selects it must not keep the shortcut for itself.
    for (const char* name : {"Button1", "ComboBox52", "Edit1"})
        QTest::addRow("Ctrl+Shift+C in %s", name) << Copy([name](QWidget* window) {
            QWidget* control = Control(window, name);
            control->setFocus(Qt::TabFocusReason);
            QTest::keyClick(control, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
            return QString();
        }) << "";
    QTest::newRow("context menu over a label") << Copy([](QWidget* window) {
        const auto entry = PickFromContextMenu();
        auto* label = Control(window, "Label8");
        QContextMenuEvent press(QContextMenuEvent::Mouse, QPoint(2, 2), label->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(label, &press);
        return *entry;
    }) << "Копировать отчёт";
    QTest::newRow("Shift+F10 in a list") << Copy([](QWidget* window) {
        const auto entry = PickFromContextMenu();
        TComboBox* fans = List(window, 52);
        fans->setFocus(Qt::TabFocusReason);
        QTest::keyClick(fans, Qt::Key_F10, Qt::ShiftModifier);
        return *entry;
    }) << "Копировать отчёт";
}

// The report reads the machine as the window shows it, and copying it changes
// nothing the window shows and raises no change.
void ReportTest::copy() {
    QFETCH(Copy, copy);
    for (const QString& action : x6 + QStringList{"pick 36 5", "pick 37 3"}) Perform(form.get(), action);
    QGuiApplication::clipboard()->setText("before");
    const QStringList before = Shown(form.get());
    QList<QSignalSpy*> changes;
    for (int number = 1; number <= 70; ++number)
        changes << new QSignalSpy(List(form.get(), number), &TComboBox::Change);

    QTEST(copy(form.get()), "menuEntry");
    QCOMPARE(QGuiApplication::clipboard()->text(), report1100TAndFourSata);
    QCOMPARE(Shown(form.get()), before);
    for (QSignalSpy* spy : changes) QCOMPARE(spy->count(), 0);
    qDeleteAll(changes);
}

// A text field takes Ctrl+C for its own text.
void ReportTest::ctrlCInAFieldCopiesItsText_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::newRow("a list") << "ComboBox34"
                            << "DDR3 1066MHz";
    QTest::newRow("the current") << "Edit1"
                                 << "35";
}

void ReportTest::ctrlCInAFieldCopiesItsText() {
    QFETCH(QString, control);
    QFETCH(QString, text);
    Pick(List(form.get(), 34), 2);
    QTest::keyClicks(Control(form.get(), "Edit1"), "35");
    QWidget* field = Control(form.get(), control);
    field->setFocus(Qt::TabFocusReason);
    // As Tab leaves the field's text: selected, a moment after the focus.
    auto* edit = qobject_cast<QLineEdit*>(field);
    if (auto* list = qobject_cast<QComboBox*>(field)) edit = list->lineEdit();
    QTRY_VERIFY(edit->hasSelectedText());
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
}

QTEST_MAIN(ReportTest)
#include "tst_report.moc"
