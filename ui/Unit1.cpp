// SPDX-License-Identifier: GPL-3.0-or-later
#include "Unit1.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>
#include <QStringList>

#include "Announce.h"
#include "Breakdown.h"
#include "Converter.h"
#include "DesktopColours.h"
#include "Dispatch.h"
#include "ProjectContact.h"
#include "ShowWatts.h"
#include "StrToInt.h"
#include "WindowLists.h"
#include "ui_Unit1.h"

TForm1* Form1 = nullptr;

using namespace window;

namespace {

// Where the window opens; it is not centred.
constexpr QPoint windowPosition{191, 112};

constexpr std::string_view TextOf(std::string_view text) { return text; }
constexpr std::string_view TextOf(const CatalogueRow& row) { return row.text; }
constexpr std::string_view TextOf(const Family& family) { return family.text; }

QStringList Texts(const Entries& entries) {
    return std::visit(
        [](const auto& items) {
            QStringList texts;
            for (const auto& item : items) {
                const std::string_view text = TextOf(item);
                texts.append(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
            }
            return texts;
        },
        entries);
}

QString Lines(const std::vector<std::string>& lines) {
    QStringList texts;
    for (const std::string& line : lines) texts.append(QString::fromStdString(line));
    return texts.join(u'\n');
}

// Every model list of the cascade, made or not.
template <typename Each>
void ForEachModelList(const Cascade& cascade, Each each) {
    for (std::size_t vendor = 0; vendor < cascade.makers.size(); ++vendor)
        for (std::size_t family = 0; family < cascade.makers[vendor].families.size(); ++family)
            each(ModelListOf(cascade, vendor, family));
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::TForm1>()) {
    // Before the controls are made, so that each is born with the background. The
    // red figures, the window's largest texts, stand out by 3 at least; every other
    // text has the desktop's own text colour.
    PaintIn3DLight(*this, 3);
    ui->setupUi(this);
    ui->Label22->setText(QString::fromUtf8(projectContactAddress));
    FillLists();
    move(windowPosition);
    // The window description shows "0Вт"; this gives each figure its spoken form too.
    for (TLabel* figure :
         {ui->Label1, ui->Label2, ui->Label3, ui->Label4, ui->Label5, ui->Label6, ui->Label15, ui->Label28})
        ShowWatts(figure, 0);

    // Not Ctrl+C: Tab selects a field's whole text, and there Ctrl+C copies that
    // text, as a user expects. This one reaches the report from every control.
    auto* copyReport = new QAction(QStringLiteral("Копировать отчёт"), this);
    copyReport->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
    connect(copyReport, &QAction::triggered, this, [this] { Dispatch([this] { CopyReport(); }); });
    addAction(copyReport);
    // The corner mark answers only to the pointer; this is its way in from the keyboard.
    developers = new QAction(QStringLiteral("Разработчики"), this);
    developers->setCheckable(true);
    connect(developers, &QAction::triggered, this, [this] { Dispatch([this] { Label16Click(); }); });
    addAction(developers);
    // The menu key and a right-click reach contextMenuEvent; Shift+F10 is the other key.
    connect(new QShortcut(Qt::SHIFT | Qt::Key_F10, this), &QShortcut::activated, this, [this] {
        QWidget* focused = focusWidget();
        if (!focused) focused = this;
        Dispatch([this, focused] {
            ShowContextMenu(focused, focused->mapToGlobal(focused->rect().center()), true);
        });
    });
}

TForm1::~TForm1() = default;

// The lists of the window description, found once by their numbers; the model
// lists of the added families are made when first needed.
void TForm1::FillLists() {
    lists.assign(std::size_t(listCount) + 1, nullptr);
    const QString prefix = QStringLiteral("ComboBox");
    for (TComboBox* list : findChildren<TComboBox*>()) {
        const List number = list->objectName().mid(prefix.size()).toInt();
        if (number >= 1 && number <= describedLists) lists[std::size_t(number)] = list;
    }
    for (const ListRow& row : describedListRows) ListAt(row.list)->SetEntries(Texts(row.entries));
}

TComboBox* TForm1::ListAt(List number) const { return lists[std::size_t(number)]; }

// A model list of an added family: made the first time its family is picked, in
// the place of the cascade's model lists, under their name, right after its family
// list in the tab order. Until then it costs the window nothing.
void TForm1::ShowModelList(List number) {
    if (TComboBox* made = ListAt(number)) return made->show();
    const ListRow& row = RowOfList(number);
    const TComboBox* place = ListAt(row.cascade->place);
    auto* list = new TComboBox(place->parentWidget());
    lists[std::size_t(number)] = list;
    list->setObjectName(QStringLiteral("ComboBox%1").arg(number));
    list->setGeometry(place->geometry());
    list->setAccessibleName(place->accessibleName());
    list->SetPrompt(QString::fromUtf8(row.prompt.data(), qsizetype(row.prompt.size())));
    list->SetEntries(Texts(row.entries));
    connect(list, &TComboBox::Change, this, [this, number] { ListChanged(number); });
    setTabOrder(ListAt(row.cascade->makers[row.vendor].familyList), list);
    list->show();
}

void TForm1::ListChanged(List number) {
    const ListRow& row = RowOfList(number);
    switch (row.role) {
        case Role::Vendor:
            return SwitchVendor(row);
        case Role::Family:
            return ShowFamily(row);
        case Role::Figure:
            return StoreFigure(row);
    }
}

// Picking a vendor stores nothing: the model picked last goes on counting,
// although no model list shows it, until another model or the dashes entry.
void TForm1::SwitchVendor(const ListRow& row) {
    const Cascade& cascade = *row.cascade;
    ForEachModelList(cascade, [this](List list) {
        if (TComboBox* made = ListAt(list)) made->hide();
    });
    const int vendor = ListAt(row.list)->ItemIndex();
    const int vendors = static_cast<int>(cascade.makers.size());
    if (vendor < 0 || vendor > vendors) return;
    for (int i = 0; i < vendors; ++i)
        ListAt(cascade.makers[std::size_t(i)].familyList)->setVisible(i == vendor);
    if (vendor == vendors) {
        cascade.clear(power);
        ListAt(cascade.clearedList)->ShowPromptAgain();
        cascade.model(picked) = nullptr;
        RefreshDisplay(cascade.category);
    }
}

// Showing a model list stores nothing: it shows its own last pick, while the
// figures keep counting the model picked last in whichever list that was.
void TForm1::ShowFamily(const ListRow& row) {
    const Cascade& cascade = *row.cascade;
    const int family = ListAt(row.list)->ItemIndex();
    if (family < 0 || family >= static_cast<int>(cascade.makers[row.vendor].families.size())) return;
    const List shown = ModelListOf(cascade, row.vendor, std::size_t(family));
    ForEachModelList(cascade, [this, shown](List list) {
        if (list == shown) return;
        if (TComboBox* made = ListAt(list)) made->hide();
    });
    ShowModelList(shown);
}

void TForm1::StoreFigure(const ListRow& row) {
    const int index = ListAt(row.list)->ItemIndex();
    std::int32_t& field = row.field(power);
    if (const Catalogue* catalogue = std::get_if<Catalogue>(&row.entries)) {
        // No row for the index (the user typed into the list) keeps the last pick's watts.
        if (const CatalogueRow* pick = RowAt(*catalogue, index)) {
            field = pick->watts;
            row.name(picked) = pick;
        }
    } else {
        field = row.numberAt(index);
    }
    RefreshDisplay(row.category);
}

// The figures are computed once, and everything that shows one is written from
// them. Of the category labels only the refreshed category's changes: the others,
// and their working, stay right because their subtotals did not move. The total
// comes first, and with it what follows from it: its working and the supply check.
void TForm1::RefreshDisplay(Category category) {
    const Breakdown& computed = figures.emplace(power.Recalculate());
    ShowWatts(ui->Label6, computed.grandTotal);
    ui->Label6->SetExplanation(Lines(TotalWorking(computed)));
    TLabel* label = ui.get()->*FigureOf(category);
    ShowWatts(label, power.*RowOf(category).subtotal);
    label->SetExplanation(Lines(Working(category, power, computed, picked)));
    ShowSupplyCheck();
    // The figures are out of the user's way in the list: say them where the user is.
    Announce(label->accessibleName() + QStringLiteral(". ") + ui->Label6->accessibleName());
}

void TForm1::CopyReport() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(Report(power, figures, picked, linePower)));
}

void TForm1::ShowSupplyCheck() {
    if (!linePower) return;
    const std::optional<std::int32_t> total = figures ? std::optional(figures->grandTotal) : std::nullopt;
    ui->Label28->SetExplanation(QString::fromStdString(SupplyCheck(*linePower, total)));
}

// The text fields pass their context menu events on to the window (NoContextMenu),
// so that every control opens the same menu.
void TForm1::contextMenuEvent(QContextMenuEvent* event) {
    const bool fromKeyboard = event->reason() == QContextMenuEvent::Keyboard;
    QWidget* target = fromKeyboard ? focusWidget() : childAt(event->pos());
    ShowContextMenu(target ? target : this, event->globalPos(), fromKeyboard);
}

// On a text field the field's own edit entries follow the window's, built afresh
// for its text and selection of the moment, and gone again once the menu closes.
void TForm1::ShowContextMenu(QWidget* target, QPoint at, bool fromKeyboard) {
    // One menu for the window's life, built at its first opening: Qt ties an
    // entry's accessible object to the first menu that showed it, so a menu built
    // anew at each opening goes silent for a screen reader from the second on.
    if (!menu) {
        menu = new QMenu(this);
        menu->addActions(actions());
    }
    auto* field = qobject_cast<QLineEdit*>(target);
    if (const auto* list = qobject_cast<QComboBox*>(target)) field = list->lineEdit();
    const std::unique_ptr<QMenu> editMenu(field ? field->createStandardContextMenu() : nullptr);
    std::unique_ptr<QAction> separator;
    if (editMenu) {
        separator.reset(menu->addSeparator());
        menu->addActions(editMenu->actions());
    }
    // Opened from the keyboard, the menu starts on its first entry, as desktop menus
    // do: a screen reader says it as the menu opens, and Return takes it.
    if (fromKeyboard) menu->setActiveAction(menu->actions().constFirst());
    menu->exec(at);
    if (!editMenu) return;
    for (QAction* entry : editMenu->actions()) menu->removeAction(entry);
    menu->removeAction(separator.get());
}

void TForm1::Label16Click() {
    ui->GroupBox11->setHidden(!ui->GroupBox11->isHidden());
    developers->setChecked(ui->GroupBox11->isVisible());
}

// The current is read before the voltage, and a text that is not a whole number
// ends the click there: the result and its check keep what they showed.
void TForm1::Button1Click() {
    const std::int32_t amperes = StrToInt(ui->Edit1->text());
    const std::int32_t volts = StrToInt(ui->Edit2->text());
    linePower = LinePower(amperes, volts);
    ShowWatts(ui->Label28, *linePower);
    ShowSupplyCheck();
    Announce(ui->Label28->accessibleName());
}

void TForm1::ComboBox1Change() { ListChanged(1); }
void TForm1::ComboBox2Change() { ListChanged(2); }
void TForm1::ComboBox3Change() { ListChanged(3); }
void TForm1::ComboBox4Change() { ListChanged(4); }
void TForm1::ComboBox5Change() { ListChanged(5); }
void TForm1::ComboBox6Change() { ListChanged(6); }
void TForm1::ComboBox7Change() { ListChanged(7); }
void TForm1::ComboBox8Change() { ListChanged(8); }
void TForm1::ComboBox9Change() { ListChanged(9); }
void TForm1::ComboBox10Change() { ListChanged(10); }
void TForm1::ComboBox11Change() { ListChanged(11); }
void TForm1::ComboBox12Change() { ListChanged(12); }
void TForm1::ComboBox13Change() { ListChanged(13); }
void TForm1::ComboBox14Change() { ListChanged(14); }
void TForm1::ComboBox15Change() { ListChanged(15); }
void TForm1::ComboBox16Change() { ListChanged(16); }
void TForm1::ComboBox17Change() { ListChanged(17); }
void TForm1::ComboBox18Change() { ListChanged(18); }
void TForm1::ComboBox19Change() { ListChanged(19); }
void TForm1::ComboBox20Change() { ListChanged(20); }
void TForm1::ComboBox21Change() { ListChanged(21); }
void TForm1::ComboBox22Change() { ListChanged(22); }
void TForm1::ComboBox23Change() { ListChanged(23); }
void TForm1::ComboBox24Change() { ListChanged(24); }
void TForm1::ComboBox25Change() { ListChanged(25); }
void TForm1::ComboBox26Change() { ListChanged(26); }
void TForm1::ComboBox27Change() { ListChanged(27); }
void TForm1::ComboBox28Change() { ListChanged(28); }
void TForm1::ComboBox29Change() { ListChanged(29); }
void TForm1::ComboBox30Change() { ListChanged(30); }
void TForm1::ComboBox31Change() { ListChanged(31); }
void TForm1::ComboBox32Change() { ListChanged(32); }
void TForm1::ComboBox33Change() { ListChanged(33); }
void TForm1::ComboBox34Change() { ListChanged(34); }
void TForm1::ComboBox35Change() { ListChanged(35); }
void TForm1::ComboBox36Change() { ListChanged(36); }
void TForm1::ComboBox37Change() { ListChanged(37); }
void TForm1::ComboBox38Change() { ListChanged(38); }
void TForm1::ComboBox39Change() { ListChanged(39); }
void TForm1::ComboBox40Change() { ListChanged(40); }
void TForm1::ComboBox41Change() { ListChanged(41); }
void TForm1::ComboBox42Change() { ListChanged(42); }
void TForm1::ComboBox43Change() { ListChanged(43); }
void TForm1::ComboBox44Change() { ListChanged(44); }
void TForm1::ComboBox45Change() { ListChanged(45); }
void TForm1::ComboBox46Change() { ListChanged(46); }
void TForm1::ComboBox47Change() { ListChanged(47); }
void TForm1::ComboBox48Change() { ListChanged(48); }
void TForm1::ComboBox49Change() { ListChanged(49); }
void TForm1::ComboBox50Change() { ListChanged(50); }
void TForm1::ComboBox51Change() { ListChanged(51); }
void TForm1::ComboBox52Change() { ListChanged(52); }
void TForm1::ComboBox53Change() { ListChanged(53); }
void TForm1::ComboBox54Change() { ListChanged(54); }
void TForm1::ComboBox55Change() { ListChanged(55); }
void TForm1::ComboBox56Change() { ListChanged(56); }
void TForm1::ComboBox57Change() { ListChanged(57); }
void TForm1::ComboBox58Change() { ListChanged(58); }
void TForm1::ComboBox59Change() { ListChanged(59); }
void TForm1::ComboBox60Change() { ListChanged(60); }
void TForm1::ComboBox61Change() { ListChanged(61); }
void TForm1::ComboBox62Change() { ListChanged(62); }
void TForm1::ComboBox63Change() { ListChanged(63); }
void TForm1::ComboBox64Change() { ListChanged(64); }
void TForm1::ComboBox65Change() { ListChanged(65); }
void TForm1::ComboBox66Change() { ListChanged(66); }
void TForm1::ComboBox67Change() { ListChanged(67); }
void TForm1::ComboBox68Change() { ListChanged(68); }
void TForm1::ComboBox69Change() { ListChanged(69); }
void TForm1::ComboBox70Change() { ListChanged(70); }
