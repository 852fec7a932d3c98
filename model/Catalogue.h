// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A catalogue is the one source of both a list's entries and what each entry is
// worth: the ui fills the list from the texts and stores the watts of the row
// whose index the list reports, so the two cannot drift apart.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

struct CatalogueRow {
    std::string_view text;
    std::int32_t watts;
};

using Catalogue = std::span<const CatalogueRow>;

// One entry of a cascade list (a processor family, a graphics series) and the
// models it brings into view.
struct Family {
    std::string_view text;
    Catalogue models;
};

template <typename Families>
constexpr std::size_t RowCount(const Families& families) {
    std::size_t rows = 0;
    for (const Family& family : families) rows += family.models.size();
    return rows;
}

// No row for the index (the list has no selection) means: keep what was stored.
constexpr const CatalogueRow* RowAt(Catalogue rows, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= rows.size()) return nullptr;
    return &rows[static_cast<std::size_t>(index)];
}
