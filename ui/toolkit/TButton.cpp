// SPDX-License-Identifier: GPL-3.0-or-later
#include "TButton.h"

#include <QKeyEvent>

#include "Dispatch.h"

TButton::TButton(QWidget* parent) : QPushButton(parent) {
    connect(this, &QAbstractButton::clicked, this, [this] { Dispatch([this] { emit Click(); }); });
}

void TButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}
