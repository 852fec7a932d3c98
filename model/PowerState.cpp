// SPDX-License-Identifier: GPL-3.0-or-later
#include "PowerState.h"

#include "Breakdown.h"
#include "Category.h"

Breakdown PowerState::Recalculate() {
    const Breakdown figures = Compute(*this);
    for (const CategoryRow& row : categories) this->*row.subtotal = figures.subtotals[row.category];
    grandTotal = figures.grandTotal;
    return figures;
}
