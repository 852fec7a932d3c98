#include "Unit1.h"

#include <QStringList>
#include <functional>

#include "Choices.h"
#include "Converter.h"
#include "DriveCatalogue.h"
#include "GraphicsCatalogue.h"
#include "ProcessorCatalogue.h"
#include "ProjectContact.h"
#include "ShowWatts.h"
#include "StrToInt.h"
#include "TApplication.h"

TForm1* Form1 = nullptr;

namespace {

// Where the window opens; it is not centred.
constexpr QPoint windowPosition{191, 112};

struct CategoryFigure {
    std::int32_t PowerState::*subtotal;
    TLabel* Ui_TForm1::*label;
};

// Indexed by TForm1::Category.
constexpr std::array<CategoryFigure, 6> categoryFigures{{
    {&PowerState::cpuTotal, &Ui_TForm1::Label1},
    {&PowerState::gpuTotal, &Ui_TForm1::Label2},
    {&PowerState::ramTotal, &Ui_TForm1::Label3},
    {&PowerState::hddTotal, &Ui_TForm1::Label4},
    {&PowerState::opticalTotal, &Ui_TForm1::Label5},
    {&PowerState::fanTotal, &Ui_TForm1::Label15},
}};

template <typename Range, typename Projection = std::identity>
QStringList Texts(const Range& range, Projection projection = {}) {
    QStringList texts;
    for (const auto& item : range) {
        const std::string_view text = std::invoke(projection, item);
        texts.append(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
    return texts;
}

// The model lists stand in the order of their families, one vendor's after the other's.
void FillModelLists(std::span<TComboBox* const> lists,
                    std::initializer_list<std::span<const Family>> vendors) {
    auto list = lists.begin();
    for (const auto families : vendors)
        for (const Family& family : families)
            (*list++)->SetEntries(Texts(family.models, &CatalogueRow::text));
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    setupUi(this);
    processorModelLists = {ComboBox4,  ComboBox5,  ComboBox6,  ComboBox7,  ComboBox8,  ComboBox9,
                           ComboBox10, ComboBox11, ComboBox12, ComboBox13, ComboBox14, ComboBox15};
    graphicsModelLists = {ComboBox19, ComboBox20, ComboBox21, ComboBox22, ComboBox23, ComboBox24, ComboBox25,
                          ComboBox26, ComboBox27, ComboBox28, ComboBox29, ComboBox30, ComboBox31, ComboBox32};
    Label22->setText(QString::fromUtf8(projectContactAddress));
    FillLists();
    move(windowPosition);
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        if (const QFont installed = WithInstalledFace(font()); installed != font()) setFont(installed);
    }
    QWidget::changeEvent(event);
}

void TForm1::FillLists() {
    const auto fill = [](std::span<TComboBox* const> lists, const QStringList& entries) {
        for (TComboBox* list : lists) list->SetEntries(entries);
    };

    ComboBox1->SetEntries(Texts(processorVendors));
    ComboBox2->SetEntries(Texts(amdFamilies, &Family::text));
    ComboBox3->SetEntries(Texts(intelFamilies, &Family::text));
    FillModelLists(processorModelLists, {amdFamilies, intelFamilies});

    ComboBox16->SetEntries(Texts(graphicsVendors));
    ComboBox17->SetEntries(Texts(nvidiaSeries, &Family::text));
    ComboBox18->SetEntries(Texts(atiSeries, &Family::text));
    FillModelLists(graphicsModelLists, {nvidiaSeries, atiSeries});

    ComboBox34->SetEntries(Texts(memoryTypes, &CatalogueRow::text));
    fill(std::array{ComboBox36, ComboBox40, ComboBox41, ComboBox42}, Texts(diskTypes, &CatalogueRow::text));
    fill(std::array{ComboBox38, ComboBox46, ComboBox47, ComboBox48},
         Texts(opticalTypes, &CatalogueRow::text));
    fill(std::array{ComboBox33, ComboBox35, ComboBox37, ComboBox43, ComboBox44, ComboBox45, ComboBox39,
                    ComboBox49, ComboBox50, ComboBox51},
         Texts(countEntries));
    fill(std::array{ComboBox67, ComboBox68, ComboBox69}, Texts(percentEntries));
    fill(std::array{ComboBox52, ComboBox53, ComboBox54, ComboBox55, ComboBox56, ComboBox57, ComboBox58,
                    ComboBox59, ComboBox60, ComboBox61, ComboBox62, ComboBox63, ComboBox64, ComboBox65,
                    ComboBox66},
         Texts(fanEntries));
}

// The total first, then the category: only these two labels change, and the
// other categories' labels stay right because their subtotals did not move.
void TForm1::RefreshDisplay(Category category) {
    const std::int32_t total = power.Recalculate();
    ShowWatts(Label6, total);
    const CategoryFigure& figure = categoryFigures[static_cast<std::size_t>(category)];
    ShowWatts(this->*figure.label, power.*figure.subtotal);
}

// No row for the index (the user typed into the list) keeps the last model's watts.
void TForm1::PickWatts(const TComboBox* list, Catalogue rows, std::int32_t& field, Category category) {
    if (const auto watts = WattsAt(rows, list->ItemIndex())) field = *watts;
    RefreshDisplay(category);
}

void TForm1::PickCount(const TComboBox* list, std::int32_t& field, Category category) {
    field = CountAt(list->ItemIndex());
    RefreshDisplay(category);
}

void TForm1::PickAmount(const TComboBox* list, std::int32_t& field, Category category) {
    field = AmountAt(list->ItemIndex());
    RefreshDisplay(category);
}

// Picking a vendor stores nothing: the model picked last goes on counting,
// although no model list shows it, until another model or the dashes entry.
bool TForm1::SwitchVendor(const TComboBox* vendorList, const std::array<TComboBox*, 2>& familyLists,
                          std::span<TComboBox* const> modelLists) {
    for (TComboBox* modelList : modelLists) modelList->hide();
    const int vendor = vendorList->ItemIndex();
    if (vendor < 0 || vendor >= vendorList->Count()) return false;
    for (std::size_t i = 0; i < familyLists.size(); ++i)
        familyLists[i]->setVisible(static_cast<int>(i) == vendor);
    return vendor == vendorList->Count() - 1;
}

// Showing a model list stores nothing: it shows its own last pick, while the
// figures keep counting the model picked last in whichever list that was.
void TForm1::ShowFamily(const TComboBox* familyList, std::span<TComboBox* const> modelLists,
                        std::size_t firstModelList) {
    const int family = familyList->ItemIndex();
    if (family < 0 || family >= familyList->Count()) return;
    const std::size_t shown = firstModelList + static_cast<std::size_t>(family);
    for (std::size_t i = 0; i < modelLists.size(); ++i) modelLists[i]->setVisible(i == shown);
}

void TForm1::Label16Click() { GroupBox11->setHidden(!GroupBox11->isHidden()); }

// The current is read before the voltage, and a text that is not a whole number
// ends the click there: the result keeps what it showed.
void TForm1::Button1Click() {
    const std::int32_t amperes = StrToInt(Edit1->text());
    const std::int32_t volts = StrToInt(Edit2->text());
    ShowWatts(Label28, LinePower(amperes, volts));
}

void TForm1::ComboBox1Change() {
    if (SwitchVendor(ComboBox1, {ComboBox2, ComboBox3}, processorModelLists)) {
        power.cpuWatts = 0;
        power.cpuOverclock = 0;
        ShowWatts(Label6, power.Recalculate());
        // The watts rather than the subtotal; with no processor both are 0.
        ShowWatts(Label1, power.cpuWatts);
    }
}
void TForm1::ComboBox2Change() { ShowFamily(ComboBox2, processorModelLists, 0); }
void TForm1::ComboBox3Change() { ShowFamily(ComboBox3, processorModelLists, amdFamilies.size()); }
void TForm1::ComboBox4Change() { PickWatts(ComboBox4, amdASeries, power.cpuWatts, Category::Processor); }
void TForm1::ComboBox5Change() { PickWatts(ComboBox5, amdPhenomIIX6, power.cpuWatts, Category::Processor); }
void TForm1::ComboBox6Change() { PickWatts(ComboBox6, amdPhenomIIX4, power.cpuWatts, Category::Processor); }
void TForm1::ComboBox7Change() { PickWatts(ComboBox7, amdPhenomIIX3, power.cpuWatts, Category::Processor); }
void TForm1::ComboBox8Change() { PickWatts(ComboBox8, amdPhenomIIX2, power.cpuWatts, Category::Processor); }
void TForm1::ComboBox9Change() { PickWatts(ComboBox9, amdAthlonIIX4, power.cpuWatts, Category::Processor); }
void TForm1::ComboBox10Change() { PickWatts(ComboBox10, amdAthlonIIX3, power.cpuWatts, Category::Processor); }
void TForm1::ComboBox11Change() { PickWatts(ComboBox11, amdAthlonIIX2, power.cpuWatts, Category::Processor); }
void TForm1::ComboBox12Change() { PickWatts(ComboBox12, intelCoreI7, power.cpuWatts, Category::Processor); }
void TForm1::ComboBox13Change() { PickWatts(ComboBox13, intelCoreI5, power.cpuWatts, Category::Processor); }
void TForm1::ComboBox14Change() { PickWatts(ComboBox14, intelCoreI3, power.cpuWatts, Category::Processor); }
void TForm1::ComboBox15Change() { PickWatts(ComboBox15, intelCore2, power.cpuWatts, Category::Processor); }
void TForm1::ComboBox16Change() {
    if (SwitchVendor(ComboBox16, {ComboBox18, ComboBox17}, graphicsModelLists)) {
        power.gpuWatts = 0;
        power.gpuCount = 1;  // back to its initial value, not 0: a later model counts one card
        RefreshDisplay(Category::Graphics);
    }
}
void TForm1::ComboBox17Change() { ShowFamily(ComboBox17, graphicsModelLists, 0); }
void TForm1::ComboBox18Change() { ShowFamily(ComboBox18, graphicsModelLists, nvidiaSeries.size()); }
void TForm1::ComboBox19Change() { PickWatts(ComboBox19, geForce5xx, power.gpuWatts, Category::Graphics); }
void TForm1::ComboBox20Change() { PickWatts(ComboBox20, geForce4xx, power.gpuWatts, Category::Graphics); }
void TForm1::ComboBox21Change() { PickWatts(ComboBox21, geForce3xx, power.gpuWatts, Category::Graphics); }
void TForm1::ComboBox22Change() { PickWatts(ComboBox22, geForce2xx, power.gpuWatts, Category::Graphics); }
void TForm1::ComboBox23Change() { PickWatts(ComboBox23, geForce1xx, power.gpuWatts, Category::Graphics); }
void TForm1::ComboBox24Change() { PickWatts(ComboBox24, geForce9xxx, power.gpuWatts, Category::Graphics); }
void TForm1::ComboBox25Change() { PickWatts(ComboBox25, geForce8xxx, power.gpuWatts, Category::Graphics); }
void TForm1::ComboBox26Change() { PickWatts(ComboBox26, geForce7xxx, power.gpuWatts, Category::Graphics); }
void TForm1::ComboBox27Change() { PickWatts(ComboBox27, radeon6xxx, power.gpuWatts, Category::Graphics); }
void TForm1::ComboBox28Change() { PickWatts(ComboBox28, radeon5xxx, power.gpuWatts, Category::Graphics); }
void TForm1::ComboBox29Change() { PickWatts(ComboBox29, radeon4xxx, power.gpuWatts, Category::Graphics); }
void TForm1::ComboBox30Change() { PickWatts(ComboBox30, radeon3xxx, power.gpuWatts, Category::Graphics); }
void TForm1::ComboBox31Change() { PickWatts(ComboBox31, radeon2xxx, power.gpuWatts, Category::Graphics); }
void TForm1::ComboBox32Change() { PickWatts(ComboBox32, radeon1xxx, power.gpuWatts, Category::Graphics); }
void TForm1::ComboBox33Change() { PickCount(ComboBox33, power.gpuCount, Category::Graphics); }
void TForm1::ComboBox34Change() { PickWatts(ComboBox34, memoryTypes, power.ramWatts, Category::Memory); }
void TForm1::ComboBox35Change() { PickCount(ComboBox35, power.ramCount, Category::Memory); }
void TForm1::ComboBox36Change() { PickWatts(ComboBox36, diskTypes, power.hddWatts[0], Category::Disks); }
void TForm1::ComboBox37Change() { PickCount(ComboBox37, power.hddCount[0], Category::Disks); }
void TForm1::ComboBox38Change() {
    PickWatts(ComboBox38, opticalTypes, power.opticalWatts[0], Category::Optical);
}
void TForm1::ComboBox39Change() { PickCount(ComboBox39, power.opticalCount[0], Category::Optical); }
void TForm1::ComboBox40Change() { PickWatts(ComboBox40, diskTypes, power.hddWatts[1], Category::Disks); }
void TForm1::ComboBox41Change() { PickWatts(ComboBox41, diskTypes, power.hddWatts[2], Category::Disks); }
void TForm1::ComboBox42Change() { PickWatts(ComboBox42, diskTypes, power.hddWatts[3], Category::Disks); }
void TForm1::ComboBox43Change() { PickCount(ComboBox43, power.hddCount[1], Category::Disks); }
void TForm1::ComboBox44Change() { PickCount(ComboBox44, power.hddCount[2], Category::Disks); }
void TForm1::ComboBox45Change() { PickCount(ComboBox45, power.hddCount[3], Category::Disks); }
void TForm1::ComboBox46Change() {
    PickWatts(ComboBox46, opticalTypes, power.opticalWatts[1], Category::Optical);
}
void TForm1::ComboBox47Change() {
    PickWatts(ComboBox47, opticalTypes, power.opticalWatts[2], Category::Optical);
}
void TForm1::ComboBox48Change() {
    PickWatts(ComboBox48, opticalTypes, power.opticalWatts[3], Category::Optical);
}
void TForm1::ComboBox49Change() { PickCount(ComboBox49, power.opticalCount[1], Category::Optical); }
void TForm1::ComboBox50Change() { PickCount(ComboBox50, power.opticalCount[2], Category::Optical); }
void TForm1::ComboBox51Change() { PickCount(ComboBox51, power.opticalCount[3], Category::Optical); }
void TForm1::ComboBox52Change() { PickAmount(ComboBox52, power.fanCount[0], Category::Fans); }
void TForm1::ComboBox53Change() { PickAmount(ComboBox53, power.fanCount[1], Category::Fans); }
void TForm1::ComboBox54Change() { PickAmount(ComboBox54, power.fanCount[2], Category::Fans); }
void TForm1::ComboBox55Change() { PickAmount(ComboBox55, power.fanCount[3], Category::Fans); }
void TForm1::ComboBox56Change() { PickAmount(ComboBox56, power.fanCount[4], Category::Fans); }
void TForm1::ComboBox57Change() { PickAmount(ComboBox57, power.fanCount[5], Category::Fans); }
void TForm1::ComboBox58Change() { PickAmount(ComboBox58, power.fanCount[6], Category::Fans); }
void TForm1::ComboBox59Change() { PickAmount(ComboBox59, power.fanCount[7], Category::Fans); }
void TForm1::ComboBox60Change() { PickAmount(ComboBox60, power.fanCount[8], Category::Fans); }
void TForm1::ComboBox61Change() { PickAmount(ComboBox61, power.fanCount[9], Category::Fans); }
void TForm1::ComboBox62Change() { PickAmount(ComboBox62, power.fanCount[10], Category::Fans); }
void TForm1::ComboBox63Change() { PickAmount(ComboBox63, power.fanCount[11], Category::Fans); }
void TForm1::ComboBox64Change() { PickAmount(ComboBox64, power.fanCount[12], Category::Fans); }
void TForm1::ComboBox65Change() { PickAmount(ComboBox65, power.fanCount[13], Category::Fans); }
void TForm1::ComboBox66Change() { PickAmount(ComboBox66, power.fanCount[14], Category::Fans); }
void TForm1::ComboBox67Change() { PickAmount(ComboBox67, power.cpuOverclock, Category::Processor); }
void TForm1::ComboBox68Change() { PickAmount(ComboBox68, power.ramOverclock, Category::Memory); }
void TForm1::ComboBox69Change() { PickAmount(ComboBox69, power.gpuOverclock, Category::Graphics); }
