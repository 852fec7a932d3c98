// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShowWatts.h"

#include <QString>

#include "TLabel.h"

void ShowWatts(TLabel* label, std::int64_t watts) {
    // QString::number ignores the locale: no group separators, ASCII digits.
    label->SetCaption(QString::number(watts) + QStringLiteral("Вт"));
}
