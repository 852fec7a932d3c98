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
// A list by its number: ComboBox<number>. The window description holds the lists
// up to `describedLists`; the model lists of the families added since (their
// numbers follow) are made from this table when their family is first picked.
using List = int;
inline constexpr List describedLists = 70;
// The field of the power state that a list writes.
using Field = std::int32_t& (*)(PowerState&);
// Where the row whose watts a field holds is kept, for the working.
using NameSlot = const CatalogueRow*& (*)(PickedRows&);

template <auto member>
constexpr Field stateField = [](PowerState& state) -> std::int32_t& { return state.*member; };
template <auto member, std::size_t row>
constexpr Field stateCell = [](PowerState& state) -> std::int32_t& { return (state.*member)[row]; };
template <auto member>
constexpr NameSlot nameField = [](PickedRows& rows) -> const CatalogueRow*& { return rows.*member; };
template <auto member, std::size_t row>
constexpr NameSlot nameCell = [](PickedRows& rows) -> const CatalogueRow*& { return (rows.*member)[row]; };

// What a list shows. A list of catalogue rows stores the watts of the row picked,
// so its entries are its catalogue.
using TextEntries = std::span<const std::string_view>;
using Entries = std::variant<TextEntries, Catalogue, std::span<const Family>>;

// Vendor, family, model: the vendor list shows one family list, a family list
// one model list.
struct Vendor {
    List familyList;
    std::span<const Family> families;  // newest first, as the family list shows them
    // The model lists of its last families, those of the window description; the
    // families before them are those added since, whose lists are made.
    std::span<const List> describedModelLists;
};

struct Cascade {
    std::span<const std::string_view> vendors;  // ending in the dashes entry: no device
    std::span<const Vendor> makers;             // in the vendor list's order
    // The model list of the window description whose place, size and name every
    // model list of the cascade shares.
    List place;
    // The number of the first model list made for an added family: the cascade's
    // added families, first vendor first, take the numbers from here on.
    List firstMadeList;
    Field watts;
    NameSlot model;
    void (*clear)(PowerState&);  // what the dashes entry stores
    // The list of a second figure that `clear` stores: the dashes entry returns it
    // to its prompt, which stands for that very figure, so that it shows what counts.
    List clearedList;
    Category category;
};

constexpr std::size_t AddedFamilies(const Vendor& vendor) {
    return vendor.families.size() - vendor.describedModelLists.size();
}

constexpr std::size_t AddedFamilies(const Cascade& cascade) {
    std::size_t added = 0;
    for (const Vendor& vendor : cascade.makers) added += AddedFamilies(vendor);
    return added;
}

// The model list that family `family` of vendor `vendor` shows.
constexpr List ModelListOf(const Cascade& cascade, std::size_t vendor, std::size_t family) {
    List made = cascade.firstMadeList;
    for (std::size_t earlier = 0; earlier < vendor; ++earlier)
        made += static_cast<List>(AddedFamilies(cascade.makers[earlier]));
    const Vendor& maker = cascade.makers[vendor];
    const std::size_t added = AddedFamilies(maker);
    if (family < added) return made + static_cast<List>(family);
    return maker.describedModelLists[family - added];
}

inline constexpr std::array amdModelLists{4, 5, 6, 7, 8, 9, 10, 11};
inline constexpr std::array intelModelLists{12, 13, 14, 15};
inline constexpr auto processorMakers = std::to_array<Vendor>({
    {2, amdFamilies, amdModelLists},
    {3, intelFamilies, intelModelLists},
});
inline constexpr Cascade processor{
    .vendors = processorVendors,
    .makers = processorMakers,
    .place = 4,
    .firstMadeList = describedLists + 1,
    .watts = stateField<&PowerState::cpuWatts>,
    .model = nameField<&PickedRows::cpuModel>,
    .clear = [](PowerState& state) { state.cpuWatts = 0, state.cpuOverclock = 0; },
    .clearedList = 67,
    .category = Category::Processor,
};

// ATI first, as its vendor list has it; its model lists come after NVIDIA's on the form.
inline constexpr std::array atiModelLists{27, 28, 29, 30, 31, 32};
inline constexpr std::array nvidiaModelLists{19, 20, 21, 22, 23, 24, 25, 26};
inline constexpr auto graphicsMakers = std::to_array<Vendor>({
    {18, atiSeries, atiModelLists},
    {17, nvidiaSeries, nvidiaModelLists},
    {70, intelSeries, {}},
});
inline constexpr Cascade graphics{
    .vendors = graphicsVendors,
    .makers = graphicsMakers,
    .place = 19,
    .firstMadeList = processor.firstMadeList + static_cast<List>(AddedFamilies(processor)),
    .watts = stateField<&PowerState::gpuWatts>,
    .model = nameField<&PickedRows::gpuModel>,
    // One card again, not none: a model picked later counts one card.
    .clear = [](PowerState& state) { state.gpuWatts = 0, state.gpuCount = 1; },
    .clearedList = 33,
    .category = Category::Graphics,
};

inline constexpr List listCount = graphics.firstMadeList + static_cast<List>(AddedFamilies(graphics)) - 1;

enum class Role { Vendor, Family, Figure };

struct ListRow {
    List list = 0;
    Role role = Role::Figure;
    Entries entries{};
    const Cascade* cascade = nullptr;               // vendor, family and model lists
    std::size_t vendor = 0;                         // family and model lists: whose families they show
    std::string_view prompt{};                      // model lists: their family's text, a made list's prompt
    Field field = nullptr;                          // figure lists: where a pick is stored
    NameSlot name = nullptr;                        // lists of catalogue rows: where the picked row goes
    std::int32_t (*numberAt)(int index) = nullptr;  // lists of numbers: the number an index stands for
    Category category{};
};

constexpr ListRow VendorList(List list, const Cascade& cascade) {
    return {.list = list, .role = Role::Vendor, .entries = cascade.vendors, .cascade = &cascade};
}

constexpr ListRow FamilyList(List list, const Cascade& cascade) {
    std::size_t vendor = 0;
    while (vendor + 1 < cascade.makers.size() && cascade.makers[vendor].familyList != list) ++vendor;
    return {.list = list,
            .role = Role::Family,
            .entries = cascade.makers[vendor].families,
            .cascade = &cascade,
            .vendor = vendor};
}

constexpr ListRow ModelList(List list, const Cascade& cascade) {
    for (std::size_t vendor = 0; vendor < cascade.makers.size(); ++vendor) {
        const std::span<const Family> families = cascade.makers[vendor].families;
        for (std::size_t family = 0; family < families.size(); ++family)
            if (ModelListOf(cascade, vendor, family) == list)
                return {.list = list,
                        .role = Role::Figure,
                        .entries = families[family].models,
                        .cascade = &cascade,
                        .vendor = vendor,
                        .prompt = families[family].text,
                        .field = cascade.watts,
                        .name = cascade.model,
                        .category = cascade.category};
    }
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

// The lists of the window description, in the order of their numbers.
inline constexpr auto describedListRows = std::to_array<ListRow>({
    VendorList(1, processor),
    FamilyList(2, processor),
    FamilyList(3, processor),
    ModelList(4, processor),
    ModelList(5, processor),
    ModelList(6, processor),
    ModelList(7, processor),
    ModelList(8, processor),
    ModelList(9, processor),
    ModelList(10, processor),
    ModelList(11, processor),
    ModelList(12, processor),
    ModelList(13, processor),
    ModelList(14, processor),
    ModelList(15, processor),
    VendorList(16, graphics),
    FamilyList(17, graphics),
    FamilyList(18, graphics),
    ModelList(19, graphics),
    ModelList(20, graphics),
    ModelList(21, graphics),
    ModelList(22, graphics),
    ModelList(23, graphics),
    ModelList(24, graphics),
    ModelList(25, graphics),
    ModelList(26, graphics),
    ModelList(27, graphics),
    ModelList(28, graphics),
    ModelList(29, graphics),
    ModelList(30, graphics),
    ModelList(31, graphics),
    ModelList(32, graphics),
    NumberList(33, counts, stateField<&PowerState::gpuCount>, Category::Graphics),
    TypeList(34, memoryTypes, stateField<&PowerState::ramWatts>, nameField<&PickedRows::ramType>,
             Category::Memory),
    NumberList(35, counts, stateField<&PowerState::ramCount>, Category::Memory),
    // The disk and optical rows, top to bottom, are not in the order of the lists' numbers.
    TypeList(36, diskTypes, stateCell<&PowerState::hddWatts, 0>, nameCell<&PickedRows::hddType, 0>,
             Category::Disks),
    NumberList(37, counts, stateCell<&PowerState::hddCount, 0>, Category::Disks),
    TypeList(38, opticalTypes, stateCell<&PowerState::opticalWatts, 0>, nameCell<&PickedRows::opticalType, 0>,
             Category::Optical),
    NumberList(39, counts, stateCell<&PowerState::opticalCount, 0>, Category::Optical),
    TypeList(40, diskTypes, stateCell<&PowerState::hddWatts, 1>, nameCell<&PickedRows::hddType, 1>,
             Category::Disks),
    TypeList(41, diskTypes, stateCell<&PowerState::hddWatts, 2>, nameCell<&PickedRows::hddType, 2>,
             Category::Disks),
    TypeList(42, diskTypes, stateCell<&PowerState::hddWatts, 3>, nameCell<&PickedRows::hddType, 3>,
             Category::Disks),
    NumberList(43, counts, stateCell<&PowerState::hddCount, 1>, Category::Disks),
    NumberList(44, counts, stateCell<&PowerState::hddCount, 2>, Category::Disks),
    NumberList(45, counts, stateCell<&PowerState::hddCount, 3>, Category::Disks),
    TypeList(46, opticalTypes, stateCell<&PowerState::opticalWatts, 1>, nameCell<&PickedRows::opticalType, 1>,
             Category::Optical),
    TypeList(47, opticalTypes, stateCell<&PowerState::opticalWatts, 2>, nameCell<&PickedRows::opticalType, 2>,
             Category::Optical),
    TypeList(48, opticalTypes, stateCell<&PowerState::opticalWatts, 3>, nameCell<&PickedRows::opticalType, 3>,
             Category::Optical),
    NumberList(49, counts, stateCell<&PowerState::opticalCount, 1>, Category::Optical),
    NumberList(50, counts, stateCell<&PowerState::opticalCount, 2>, Category::Optical),
    NumberList(51, counts, stateCell<&PowerState::opticalCount, 3>, Category::Optical),
    // Fan cells run along each size's row, then down: the list of cell c is 52 + c.
    FanList<0>(52),
    FanList<1>(53),
    FanList<2>(54),
    FanList<3>(55),
    FanList<4>(56),
    FanList<5>(57),
    FanList<6>(58),
    FanList<7>(59),
    FanList<8>(60),
    FanList<9>(61),
    FanList<10>(62),
    FanList<11>(63),
    FanList<12>(64),
    FanList<13>(65),
    FanList<14>(66),
    NumberList(67, percents, stateField<&PowerState::cpuOverclock>, Category::Processor),
    NumberList(68, percents, stateField<&PowerState::ramOverclock>, Category::Memory),
    NumberList(69, percents, stateField<&PowerState::gpuOverclock>, Category::Graphics),
    FamilyList(70, graphics),
});

// Every list, in the order of its number: the window description's, then the
// model lists made for the families added since.
inline constexpr auto listRows = [] {
    std::array<ListRow, listCount> rows{};
    std::size_t next = 0;
    for (const ListRow& row : describedListRows) rows[next++] = row;
    for (List list = processor.firstMadeList; list < graphics.firstMadeList; ++list)
        rows[next++] = ModelList(list, processor);
    for (List list = graphics.firstMadeList; list <= listCount; ++list)
        rows[next++] = ModelList(list, graphics);
    return rows;
}();

constexpr const ListRow& RowOfList(List list) { return listRows[static_cast<std::size_t>(list - 1)]; }

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
                   row.vendor < row.cascade->makers.size() &&
                   row.cascade->makers[row.vendor].familyList == row.list;
        case Role::Figure:
            if (!row.field) return false;
            if (std::holds_alternative<Catalogue>(row.entries)) return row.name && !row.numberAt;
            return std::holds_alternative<TextEntries>(row.entries) && !row.name && ShowsWhatItStores(row);
    }
    return false;
}

// Each list has one row, at the place of its number, with entries (a model list
// that finds no family has none), that says what a change of it does.
constexpr bool EveryListHasOneRowWithEntries() {
    if (describedListRows.size() != describedLists) return false;
    for (std::size_t i = 0; i < listRows.size(); ++i) {
        const ListRow& row = listRows[i];
        if (row.list != static_cast<List>(i + 1)) return false;
        if (std::visit([](const auto& entries) { return entries.empty(); }, row.entries)) return false;
        if (!SaysWhatAChangeDoes(row)) return false;
    }
    return true;
}
static_assert(EveryListHasOneRowWithEntries());

// One vendor entry per maker and the dashes entry; the added families come first
// in each family list, newest first, before the window description's own.
constexpr bool EveryFamilyHasAModelList(const Cascade& cascade) {
    if (cascade.vendors.size() != cascade.makers.size() + 1) return false;
    for (const Vendor& vendor : cascade.makers)
        if (vendor.describedModelLists.size() > vendor.families.size()) return false;
    return true;
}
static_assert(EveryFamilyHasAModelList(processor));
static_assert(EveryFamilyHasAModelList(graphics));

}  // namespace window
