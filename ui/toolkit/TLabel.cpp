// SPDX-License-Identifier: GPL-3.0-or-later
#include "TLabel.h"

#include <QMouseEvent>

#include "Dispatch.h"

// Captions are plain text: a figure or a fixed sentence, never markup.
TLabel::TLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TLabel::SetCaption(const QString& caption) {
    setText(caption);
    resize(sizeHint().width(), height());
}

// A click is a left-button release over the label, as with a button.
void TLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Dispatch([this] { emit Click(); });
}
