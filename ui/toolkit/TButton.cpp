// SPDX-License-Identifier: GPL-3.0-or-later
#include "TButton.h"

#include "Dispatch.h"

TButton::TButton(QWidget* parent) : QPushButton(parent) {
    connect(this, &QAbstractButton::clicked, this, [this] { Dispatch([this] { emit Click(); }); });
}
