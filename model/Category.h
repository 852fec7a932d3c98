// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The groups the total is made of, and everything the model says of each in one
// row: a category is changed in one place.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "PowerState.h"

// In the order the window, the total's working and the report list them.
enum class Category { Processor, Graphics, Memory, Disks, Optical, Fans };
inline constexpr std::size_t categoryCount = static_cast<std::size_t>(Category::Fans) + 1;

// One value per category, looked up by the category itself.
template <typename Value>
struct ByCategory {
    std::array<Value, categoryCount> values{};

    constexpr Value& operator[](Category category) { return values[static_cast<std::size_t>(category)]; }
    constexpr const Value& operator[](Category category) const {
        return values[static_cast<std::size_t>(category)];
    }
};

struct CategoryRow {
    Category category;
    std::string_view caption;     // the group's name, and the subject of its figure
    std::string_view shortName;   // in the total's sum, after "+"
    std::string_view nonePicked;  // the working while nothing in the group counts
    std::int32_t PowerState::*subtotal;
};

inline constexpr auto categories = std::to_array<CategoryRow>({
    {Category::Processor, "Процессор", "процессор", "Процессор не выбран", &PowerState::cpuTotal},
    {Category::Graphics, "Видеокарта", "видеокарта", "Видеокарта не выбрана", &PowerState::gpuTotal},
    {Category::Memory, "Оперативная память", "память", "Память не выбрана", &PowerState::ramTotal},
    {Category::Disks, "HDD, SSD", "диски", "Диски не выбраны", &PowerState::hddTotal},
    {Category::Optical, "Оптический привод", "приводы", "Приводы не выбраны", &PowerState::opticalTotal},
    {Category::Fans, "Вентиляторы", "вентиляторы", "Вентиляторы не выбраны", &PowerState::fanTotal},
});

// A table keyed by category: one row for each, in the categories' order, so that
// a category's row is found at its own index.
template <typename Row, std::size_t rows>
constexpr bool OneRowPerCategory(const std::array<Row, rows>& table) {
    if (table.size() != categoryCount) return false;
    for (std::size_t index = 0; index < table.size(); ++index)
        if (table[index].category != static_cast<Category>(index)) return false;
    return true;
}
static_assert(OneRowPerCategory(categories));

constexpr const CategoryRow& RowOf(Category category) {
    return categories[static_cast<std::size_t>(category)];
}
