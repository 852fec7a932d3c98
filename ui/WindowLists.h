// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every list of the window in one table: what it shows, and what a change of it
// does. The lists are filled from the same rows that turn their picks into
// figures, so an entry, its figure and the label it reaches cannot drift apart.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

#include "Catalogue.h"
#include "Category.h"
#include "Choices.h"
#include "DriveCatalogue.h"
#include "GraphicsCatalogue.h"
#include "PowerState.h"
#include "ProcessorCatalogue.h"
#include "Working.h"
#include "ui_Unit1.h"

namespace window {

using Form = Ui_TForm1;
using List = TComboBox* Form::*;
// The field of the power state that a list writes.
using Field = std::int32_t& (*)(PowerState&);
// Where the text of the row whose watts a field holds is kept, for the working.
using NameSlot = std::string_view& (*)(PickedNames&);

template <auto member>
constexpr Field stateField = [](PowerState& state) -> std::int32_t& { return state.*member; };
template <auto member, std::size_t row>
constexpr Field stateCell = [](PowerState& state) -> std::int32_t& { return (state.*member)[row]; };
template <auto member>
constexpr NameSlot nameField = [](PickedNames& names) -> std::string_view& { return names.*member; };
template <auto member, std::size_t row>
constexpr NameSlot nameCell = [](PickedNames& names) -> std::string_view& { return (names.*member)[row]; };

// What a list shows. A list of catalogue rows stores the watts of the row picked,
// so its entries are its catalogue.
using TextEntries = std::span<const std::string_view>;
using Entries = std::variant<TextEntries, Catalogue, std::span<const Family>>;

// Vendor, family, model: the vendor list shows one family list, a family list
// one model list. Lists are named in the vendor list's order, and model lists
// in the order of the families, the first vendor's first.
struct Cascade {
    std::span<const std::string_view> vendors;  // ending in the dashes entry: no device
    std::array<List, 2> familyLists;
    std::array<std::span<const Family>, 2> families;
    std::span<const List> modelLists;
    Field watts;
    NameSlot model;
    void (*clear)(PowerState&);  // what the dashes entry stores
    // The list of a second figure that `clear` stores: the dashes entry returns it
    // to its prompt, which stands for that very figure, so that it shows what counts.
    List clearedList;
    Category category;
};

inline constexpr std::array processorModelLists{
    &Form::ComboBox4,  &Form::ComboBox5,  &Form::ComboBox6,  &Form::ComboBox7,
    &Form::ComboBox8,  &Form::ComboBox9,  &Form::ComboBox10, &Form::ComboBox11,
    &Form::ComboBox12, &Form::ComboBox13, &Form::ComboBox14, &Form::ComboBox15,
};
inline constexpr Cascade processor{
    .vendors = processorVendors,
    .familyLists = {&Form::ComboBox2, &Form::ComboBox3},
    .families = {amdFamilies, intelFamilies},
    .modelLists = processorModelLists,
    .watts = stateField<&PowerState::cpuWatts>,
    .model = nameField<&PickedNames::cpuModel>,
    .clear = [](PowerState& state) { state.cpuWatts = 0, state.cpuOverclock = 0; },
    .clearedList = &Form::ComboBox67,
    .category = Category::Processor,
};

// ATI first, as its vendor list has it; its model lists come after NVIDIA's on the form.
inline constexpr std::array graphicsModelLists{
    &Form::ComboBox27, &Form::ComboBox28, &Form::ComboBox29, &Form::ComboBox30, &Form::ComboBox31,
    &Form::ComboBox32, &Form::ComboBox19, &Form::ComboBox20, &Form::ComboBox21, &Form::ComboBox22,
    &Form::ComboBox23, &Form::ComboBox24, &Form::ComboBox25, &Form::ComboBox26,
};
inline constexpr Cascade graphics{
    .vendors = graphicsVendors,
    .familyLists = {&Form::ComboBox18, &Form::ComboBox17},
    .families = {atiSeries, nvidiaSeries},
    .modelLists = graphicsModelLists,
    .watts = stateField<&PowerState::gpuWatts>,
    .model = nameField<&PickedNames::gpuModel>,
    // One card again, not none: a model picked later counts one card.
    .clear = [](PowerState& state) { state.gpuWatts = 0, state.gpuCount = 1; },
    .clearedList = &Form::ComboBox33,
    .category = Category::Graphics,
};

enum class Role { Vendor, Family, Figure };

struct ListRow {
    List list;
    Role role;
    Entries entries;
    const Cascade* cascade = nullptr;  // vendor and family lists
    std::size_t vendor = 0;            // family lists: whose families they show
    Field field = nullptr;             // figure lists: where a pick is stored
    NameSlot name = nullptr;           // lists of catalogue rows: where the picked row's text goes
    std::int32_t (*numberAt)(int index) = nullptr;  // lists of numbers: the number an index stands for
    Category category{};
};

constexpr ListRow VendorList(List list, const Cascade& cascade) {
    return {.list = list, .role = Role::Vendor, .entries = cascade.vendors, .cascade = &cascade};
}

constexpr ListRow FamilyList(List list, const Cascade& cascade) {
    const std::size_t vendor = list == cascade.familyLists[0] ? 0 : 1;
    return {.list = list,
            .role = Role::Family,
            .entries = cascade.families[vendor],
            .cascade = &cascade,
            .vendor = vendor};
}

constexpr ListRow ModelList(List list, const Cascade& cascade) {
    std::size_t modelList = 0;
    for (const auto& families : cascade.families)
        for (const Family& family : families)
            if (cascade.modelLists[modelList++] == list)
                return {.list = list,
                        .role = Role::Figure,
                        .entries = family.models,
                        .field = cascade.watts,
                        .name = cascade.model,
                        .category = cascade.category};
    return {.list = list, .role = Role::Figure, .entries = {}};  // no family: fails the check below
}

constexpr ListRow TypeList(List list, Catalogue types, Field field, NameSlot name, Category category) {
    return {.list = list,
            .role = Role::Figure,
            .entries = types,
            .field = field,
            .name = name,
            .category = category};
}

// A list of plain numbers: its entries, and the number each index stands for.
struct Numbers {
    TextEntries entries;
    std::int32_t (*numberAt)(int index);
};
// Count lists start at "1", overclock and fan lists at "0".
inline constexpr Numbers counts{countEntries, CountAt};
inline constexpr Numbers percents{percentEntries, AmountAt};
inline constexpr Numbers fanCounts{fanEntries, AmountAt};

constexpr ListRow NumberList(List list, const Numbers& numbers, Field field, Category category) {
    return {.list = list,
            .role = Role::Figure,
            .entries = numbers.entries,
            .field = field,
            .numberAt = numbers.numberAt,
            .category = category};
}
template <std::size_t cell>
constexpr ListRow FanList(List list) {
    return NumberList(list, fanCounts, stateCell<&PowerState::fanCount, cell>, Category::Fans);
}

// Beside the model's row of each category: the label that shows its subtotal.
struct CategoryFigure {
    Category category;
    TLabel* Form::*label;
};
inline constexpr auto categoryFigures = std::to_array<CategoryFigure>({
    {Category::Processor, &Form::Label1},
    {Category::Graphics, &Form::Label2},
    {Category::Memory, &Form::Label3},
    {Category::Disks, &Form::Label4},
    {Category::Optical, &Form::Label5},
    {Category::Fans, &Form::Label15},
});
static_assert(OneRowPerCategory(categoryFigures));

constexpr TLabel* Form::*FigureOf(Category category) {
    return categoryFigures[static_cast<std::size_t>(category)].label;
}

inline constexpr auto listRows = std::to_array<ListRow>({
    VendorList(&Form::ComboBox1, processor),
    FamilyList(&Form::ComboBox2, processor),
    FamilyList(&Form::ComboBox3, processor),
    ModelList(&Form::ComboBox4, processor),
    ModelList(&Form::ComboBox5, processor),
    ModelList(&Form::ComboBox6, processor),
    ModelList(&Form::ComboBox7, processor),
    ModelList(&Form::ComboBox8, processor),
    ModelList(&Form::ComboBox9, processor),
    ModelList(&Form::ComboBox10, processor),
    ModelList(&Form::ComboBox11, processor),
    ModelList(&Form::ComboBox12, processor),
    ModelList(&Form::ComboBox13, processor),
    ModelList(&Form::ComboBox14, processor),
    ModelList(&Form::ComboBox15, processor),
    VendorList(&Form::ComboBox16, graphics),
    FamilyList(&Form::ComboBox17, graphics),
    FamilyList(&Form::ComboBox18, graphics),
    ModelList(&Form::ComboBox19, graphics),
    ModelList(&Form::ComboBox20, graphics),
    ModelList(&Form::ComboBox21, graphics),
    ModelList(&Form::ComboBox22, graphics),
    ModelList(&Form::ComboBox23, graphics),
    ModelList(&Form::ComboBox24, graphics),
    ModelList(&Form::ComboBox25, graphics),
    ModelList(&Form::ComboBox26, graphics),
    ModelList(&Form::ComboBox27, graphics),
    ModelList(&Form::ComboBox28, graphics),
    ModelList(&Form::ComboBox29, graphics),
    ModelList(&Form::ComboBox30, graphics),
    ModelList(&Form::ComboBox31, graphics),
    ModelList(&Form::ComboBox32, graphics),
    NumberList(&Form::ComboBox33, counts, stateField<&PowerState::gpuCount>, Category::Graphics),
    TypeList(&Form::ComboBox34, memoryTypes, stateField<&PowerState::ramWatts>,
             nameField<&PickedNames::ramType>, Category::Memory),
    NumberList(&Form::ComboBox35, counts, stateField<&PowerState::ramCount>, Category::Memory),
    // The disk and optical rows, top to bottom, are not in the order of the lists' numbers.
    TypeList(&Form::ComboBox36, diskTypes, stateCell<&PowerState::hddWatts, 0>,
             nameCell<&PickedNames::hddType, 0>, Category::Disks),
    NumberList(&Form::ComboBox37, counts, stateCell<&PowerState::hddCount, 0>, Category::Disks),
    TypeList(&Form::ComboBox38, opticalTypes, stateCell<&PowerState::opticalWatts, 0>,
             nameCell<&PickedNames::opticalType, 0>, Category::Optical),
    NumberList(&Form::ComboBox39, counts, stateCell<&PowerState::opticalCount, 0>, Category::Optical),
    TypeList(&Form::ComboBox40, diskTypes, stateCell<&PowerState::hddWatts, 1>,
             nameCell<&PickedNames::hddType, 1>, Category::Disks),
    TypeList(&Form::ComboBox41, diskTypes, stateCell<&PowerState::hddWatts, 2>,
             nameCell<&PickedNames::hddType, 2>, Category::Disks),
    TypeList(&Form::ComboBox42, diskTypes, stateCell<&PowerState::hddWatts, 3>,
             nameCell<&PickedNames::hddType, 3>, Category::Disks),
    NumberList(&Form::ComboBox43, counts, stateCell<&PowerState::hddCount, 1>, Category::Disks),
    NumberList(&Form::ComboBox44, counts, stateCell<&PowerState::hddCount, 2>, Category::Disks),
    NumberList(&Form::ComboBox45, counts, stateCell<&PowerState::hddCount, 3>, Category::Disks),
    TypeList(&Form::ComboBox46, opticalTypes, stateCell<&PowerState::opticalWatts, 1>,
             nameCell<&PickedNames::opticalType, 1>, Category::Optical),
    TypeList(&Form::ComboBox47, opticalTypes, stateCell<&PowerState::opticalWatts, 2>,
             nameCell<&PickedNames::opticalType, 2>, Category::Optical),
    TypeList(&Form::ComboBox48, opticalTypes, stateCell<&PowerState::opticalWatts, 3>,
             nameCell<&PickedNames::opticalType, 3>, Category::Optical),
    NumberList(&Form::ComboBox49, counts, stateCell<&PowerState::opticalCount, 1>, Category::Optical),
    NumberList(&Form::ComboBox50, counts, stateCell<&PowerState::opticalCount, 2>, Category::Optical),
    NumberList(&Form::ComboBox51, counts, stateCell<&PowerState::opticalCount, 3>, Category::Optical),
    // Fan cells run along each size's row, then down: the list of cell c is 52 + c.
    FanList<0>(&Form::ComboBox52),
    FanList<1>(&Form::ComboBox53),
    FanList<2>(&Form::ComboBox54),
    FanList<3>(&Form::ComboBox55),
    FanList<4>(&Form::ComboBox56),
    FanList<5>(&Form::ComboBox57),
    FanList<6>(&Form::ComboBox58),
    FanList<7>(&Form::ComboBox59),
    FanList<8>(&Form::ComboBox60),
    FanList<9>(&Form::ComboBox61),
    FanList<10>(&Form::ComboBox62),
    FanList<11>(&Form::ComboBox63),
    FanList<12>(&Form::ComboBox64),
    FanList<13>(&Form::ComboBox65),
    FanList<14>(&Form::ComboBox66),
    NumberList(&Form::ComboBox67, percents, stateField<&PowerState::cpuOverclock>, Category::Processor),
    NumberList(&Form::ComboBox68, percents, stateField<&PowerState::ramOverclock>, Category::Memory),
    NumberList(&Form::ComboBox69, percents, stateField<&PowerState::gpuOverclock>, Category::Graphics),
});

// A list of numbers shows, entry by entry, the number its index stores.
constexpr bool ShowsWhatItStores(const ListRow& row) {
    const TextEntries texts = std::get<TextEntries>(row.entries);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        std::int32_t shown = 0;
        for (const char c : texts[i]) {
            if (c < '0' || c > '9') break;
            shown = shown * 10 + (c - '0');
        }
        if (shown != row.numberAt(static_cast<int>(i))) return false;
    }
    return true;
}

// What a change of the list does is fully said: a cascade list belongs to its
// cascade, and a figure list says where it stores a pick and how an index
// becomes the figure. A cascade and a number list's function are used rather than
// compared with null: whether the address of a named variable or function is null
// is what the sanitizers' build cannot decide at compile time, and used through
// null they stop the build as well. What is compared with null is either a field
// or name slot, which points to a lambda's function, or a pointer that must be null.
constexpr bool SaysWhatAChangeDoes(const ListRow& row) {
    switch (row.role) {
        case Role::Vendor:
            return std::holds_alternative<TextEntries>(row.entries) &&
                   std::get<TextEntries>(row.entries).size() == row.cascade->vendors.size();
        case Role::Family:
            return std::holds_alternative<std::span<const Family>>(row.entries) &&
                   row.vendor < row.cascade->families.size();
        case Role::Figure:
            if (!row.field) return false;
            if (std::holds_alternative<Catalogue>(row.entries)) return row.name && !row.numberAt;
            return std::holds_alternative<TextEntries>(row.entries) && !row.name && ShowsWhatItStores(row);
    }
    return false;
}

// Each of the window's 69 lists has one row, with entries (a model list that
// finds no family has none), that says what a change of it does.
constexpr bool EveryListHasOneRowWithEntries() {
    if (listRows.size() != 69) return false;
    for (std::size_t i = 0; i < listRows.size(); ++i) {
        const ListRow& row = listRows[i];
        if (std::visit([](const auto& entries) { return entries.empty(); }, row.entries)) return false;
        if (!SaysWhatAChangeDoes(row)) return false;
        for (std::size_t j = 0; j < i; ++j)
            if (listRows[j].list == row.list) return false;
    }
    return true;
}
static_assert(EveryListHasOneRowWithEntries());

constexpr bool EveryFamilyHasAModelList(const Cascade& cascade) {
    return cascade.vendors.size() == cascade.familyLists.size() + 1 &&
           cascade.families[0].size() + cascade.families[1].size() == cascade.modelLists.size();
}
static_assert(EveryFamilyHasAModelList(processor));
static_assert(EveryFamilyHasAModelList(graphics));

}  // namespace window
