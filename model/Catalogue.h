// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A catalogue is the one source of both a list's entries and what each entry is
// worth: the ui fills the list from the texts and stores the watts of the row
// whose index the list reports, so the two cannot drift apart.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

// Which of a maker's power figures a row's watts are. A part draws at most what its
// maker lets it draw by default: Intel's Maximum Turbo Power where Intel publishes
// one (12th generation on), otherwise its TDP; AMD's socket power limit (PPT) on
// AM4 and AM5, otherwise its TDP; a graphics card's total board power, or graphics
// power where that is what its maker gives, of the maker's own card; a memory
// module's or a drive's figure from its maker or its standard.
enum class Basis : std::uint8_t {
    Original,  // the rows Ostrel started with: their figures, with no source named
    MaximumTurboPower,
    Tdp,
    SocketPowerLimit,
    BoardPower,
    GraphicsPower,
    PerModule,
    PerDrive,
};

struct CatalogueRow {
    std::string_view text;
    std::int32_t watts;
    Basis basis = Basis::Original;
    // Where the figure was read: the maker's page, or "UNVERIFIED: " and why not.
    std::string_view source{};
};

inline constexpr std::string_view unverified = "UNVERIFIED: ";

constexpr bool Verified(const CatalogueRow& row) { return row.source.starts_with("https://"); }

// A row added since the original catalogue names its source: an address, or why
// it has none.
constexpr bool HasSource(const CatalogueRow& row) {
    if (row.basis == Basis::Original) return row.source.empty();
    return Verified(row) || (row.source.starts_with(unverified) && row.source.size() > unverified.size());
}

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
