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

void TForm1::FillLists() {
    for (const ListRow& row : listRows) (ui.get()->*row.list)->SetEntries(Texts(row.entries));
}

void TForm1::ListChanged(const TComboBox* list) {
    for (const ListRow& row : listRows) {
        if (ui.get()->*row.list != list) continue;
        switch (row.role) {
            case Role::Vendor:
                return SwitchVendor(row);
            case Role::Family:
                return ShowFamily(row);
            case Role::Figure:
                return StoreFigure(row);
        }
    }
}

// Picking a vendor stores nothing: the model picked last goes on counting,
// although no model list shows it, until another model or the dashes entry.
void TForm1::SwitchVendor(const ListRow& row) {
    const Cascade& cascade = *row.cascade;
    for (List modelList : cascade.modelLists) (ui.get()->*modelList)->hide();
    const int vendor = (ui.get()->*row.list)->ItemIndex();
    const int vendors = static_cast<int>(cascade.familyLists.size());
    if (vendor < 0 || vendor > vendors) return;
    for (int i = 0; i < vendors; ++i)
        (ui.get()->*cascade.familyLists[std::size_t(i)])->setVisible(i == vendor);
    if (vendor == vendors) {
        cascade.clear(power);
        (ui.get()->*cascade.clearedList)->ShowPromptAgain();
        cascade.model(picked) = {};
        RefreshDisplay(cascade.category);
    }
}

// Showing a model list stores nothing: it shows its own last pick, while the
// figures keep counting the model picked last in whichever list that was.
void TForm1::ShowFamily(const ListRow& row) {
    const Cascade& cascade = *row.cascade;
    const int family = (ui.get()->*row.list)->ItemIndex();
    if (family < 0 || family >= static_cast<int>(cascade.families[row.vendor].size())) return;
    const std::size_t shown = (row.vendor == 0 ? 0 : cascade.families[0].size()) + std::size_t(family);
    for (std::size_t i = 0; i < cascade.modelLists.size(); ++i)
        (ui.get()->*cascade.modelLists[i])->setVisible(i == shown);
}

void TForm1::StoreFigure(const ListRow& row) {
    const int index = (ui.get()->*row.list)->ItemIndex();
    std::int32_t& field = row.field(power);
    if (const Catalogue* catalogue = std::get_if<Catalogue>(&row.entries)) {
        // No row for the index (the user typed into the list) keeps the last pick's watts.
        if (const CatalogueRow* pick = RowAt(*catalogue, index)) {
            field = pick->watts;
            row.name(picked) = pick->text;
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

void TForm1::ComboBox1Change() { ListChanged(ui->ComboBox1); }
void TForm1::ComboBox2Change() { ListChanged(ui->ComboBox2); }
void TForm1::ComboBox3Change() { ListChanged(ui->ComboBox3); }
void TForm1::ComboBox4Change() { ListChanged(ui->ComboBox4); }
void TForm1::ComboBox5Change() { ListChanged(ui->ComboBox5); }
void TForm1::ComboBox6Change() { ListChanged(ui->ComboBox6); }
void TForm1::ComboBox7Change() { ListChanged(ui->ComboBox7); }
void TForm1::ComboBox8Change() { ListChanged(ui->ComboBox8); }
void TForm1::ComboBox9Change() { ListChanged(ui->ComboBox9); }
void TForm1::ComboBox10Change() { ListChanged(ui->ComboBox10); }
void TForm1::ComboBox11Change() { ListChanged(ui->ComboBox11); }
void TForm1::ComboBox12Change() { ListChanged(ui->ComboBox12); }
void TForm1::ComboBox13Change() { ListChanged(ui->ComboBox13); }
void TForm1::ComboBox14Change() { ListChanged(ui->ComboBox14); }
void TForm1::ComboBox15Change() { ListChanged(ui->ComboBox15); }
void TForm1::ComboBox16Change() { ListChanged(ui->ComboBox16); }
void TForm1::ComboBox17Change() { ListChanged(ui->ComboBox17); }
void TForm1::ComboBox18Change() { ListChanged(ui->ComboBox18); }
void TForm1::ComboBox19Change() { ListChanged(ui->ComboBox19); }
void TForm1::ComboBox20Change() { ListChanged(ui->ComboBox20); }
void TForm1::ComboBox21Change() { ListChanged(ui->ComboBox21); }
void TForm1::ComboBox22Change() { ListChanged(ui->ComboBox22); }
void TForm1::ComboBox23Change() { ListChanged(ui->ComboBox23); }
void TForm1::ComboBox24Change() { ListChanged(ui->ComboBox24); }
void TForm1::ComboBox25Change() { ListChanged(ui->ComboBox25); }
void TForm1::ComboBox26Change() { ListChanged(ui->ComboBox26); }
void TForm1::ComboBox27Change() { ListChanged(ui->ComboBox27); }
void TForm1::ComboBox28Change() { ListChanged(ui->ComboBox28); }
void TForm1::ComboBox29Change() { ListChanged(ui->ComboBox29); }
void TForm1::ComboBox30Change() { ListChanged(ui->ComboBox30); }
void TForm1::ComboBox31Change() { ListChanged(ui->ComboBox31); }
void TForm1::ComboBox32Change() { ListChanged(ui->ComboBox32); }
void TForm1::ComboBox33Change() { ListChanged(ui->ComboBox33); }
void TForm1::ComboBox34Change() { ListChanged(ui->ComboBox34); }
void TForm1::ComboBox35Change() { ListChanged(ui->ComboBox35); }
void TForm1::ComboBox36Change() { ListChanged(ui->ComboBox36); }
void TForm1::ComboBox37Change() { ListChanged(ui->ComboBox37); }
void TForm1::ComboBox38Change() { ListChanged(ui->ComboBox38); }
void TForm1::ComboBox39Change() { ListChanged(ui->ComboBox39); }
void TForm1::ComboBox40Change() { ListChanged(ui->ComboBox40); }
void TForm1::ComboBox41Change() { ListChanged(ui->ComboBox41); }
void TForm1::ComboBox42Change() { ListChanged(ui->ComboBox42); }
void TForm1::ComboBox43Change() { ListChanged(ui->ComboBox43); }
void TForm1::ComboBox44Change() { ListChanged(ui->ComboBox44); }
void TForm1::ComboBox45Change() { ListChanged(ui->ComboBox45); }
void TForm1::ComboBox46Change() { ListChanged(ui->ComboBox46); }
void TForm1::ComboBox47Change() { ListChanged(ui->ComboBox47); }
void TForm1::ComboBox48Change() { ListChanged(ui->ComboBox48); }
void TForm1::ComboBox49Change() { ListChanged(ui->ComboBox49); }
void TForm1::ComboBox50Change() { ListChanged(ui->ComboBox50); }
void TForm1::ComboBox51Change() { ListChanged(ui->ComboBox51); }
void TForm1::ComboBox52Change() { ListChanged(ui->ComboBox52); }
void TForm1::ComboBox53Change() { ListChanged(ui->ComboBox53); }
void TForm1::ComboBox54Change() { ListChanged(ui->ComboBox54); }
void TForm1::ComboBox55Change() { ListChanged(ui->ComboBox55); }
void TForm1::ComboBox56Change() { ListChanged(ui->ComboBox56); }
void TForm1::ComboBox57Change() { ListChanged(ui->ComboBox57); }
void TForm1::ComboBox58Change() { ListChanged(ui->ComboBox58); }
void TForm1::ComboBox59Change() { ListChanged(ui->ComboBox59); }
void TForm1::ComboBox60Change() { ListChanged(ui->ComboBox60); }
void TForm1::ComboBox61Change() { ListChanged(ui->ComboBox61); }
void TForm1::ComboBox62Change() { ListChanged(ui->ComboBox62); }
void TForm1::ComboBox63Change() { ListChanged(ui->ComboBox63); }
void TForm1::ComboBox64Change() { ListChanged(ui->ComboBox64); }
void TForm1::ComboBox65Change() { ListChanged(ui->ComboBox65); }
void TForm1::ComboBox66Change() { ListChanged(ui->ComboBox66); }
void TForm1::ComboBox67Change() { ListChanged(ui->ComboBox67); }
void TForm1::ComboBox68Change() { ListChanged(ui->ComboBox68); }
void TForm1::ComboBox69Change() { ListChanged(ui->ComboBox69); }
