// SPDX-License-Identifier: GPL-3.0-or-later
#include "TEdit.h"

#include <QFocusEvent>
#include <QTimer>

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) {}

// Reached with Tab, a field selects its text, so that typing replaces it. Qt tells
// the accessibility bus of the focus only once the field has taken it, and Orca,
// hearing of the field's selection and cursor first, takes the field for the one
// it already presents and says nothing of it. So the field takes the focus
// without selecting, and selects once the focus has been told: unless the user
// has typed in between, which must not be selected and replaced.
void TEdit::focusInEvent(QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason && reason != Qt::ShortcutFocusReason)
        return QLineEdit::focusInEvent(event);
    QFocusEvent unselected(event->type(), Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&unselected);
    QTimer::singleShot(0, this, [this, text = text(), cursor = cursorPosition()] {
        if (hasFocus() && !hasSelectedText() && this->text() == text && cursorPosition() == cursor)
            selectAll();
    });
}
