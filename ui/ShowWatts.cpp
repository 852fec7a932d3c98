// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShowWatts.h"

#include <QString>

#include "TLabel.h"

void ShowWatts(TLabel* label, std::int64_t watts) {
    // QString::number ignores the locale: no group separators, ASCII digits.
    const QString number = QString::number(watts);
    // Spoken with a space, so that a speech engine reads a number and a unit
    // rather than one word.
    label->SetCaption(number + QStringLiteral("Вт"), number + QStringLiteral(" Вт"));
}
