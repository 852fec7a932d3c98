#include "EditableList.h"

#include <QApplication>
#include <QCompleter>
#include <QLineEdit>
#include <QPointer>

#include "Dispatch.h"

namespace {

// An editable list builds a completer for its text field unless the field has one
// already, and building one costs more than the rest of the list. Every list's
// field is given this one for the moment of becoming editable, then none.
QCompleter* Placeholder() {
    // Owned by the application, so a later QApplication gets a fresh one.
    static QPointer<QCompleter> completer;
    if (!completer) completer = new QCompleter(qApp);
    return completer;
}

}  // namespace

EditableList::EditableList(const QString& prompt, const QStringList& entries, QWidget* parent)
    : QComboBox(parent) {
    // Typed text must never become an entry: the index selects the figure.
    setInsertPolicy(QComboBox::NoInsert);
    auto* field = new QLineEdit(this);
    field->setCompleter(Placeholder());
    setLineEdit(field);
    // The completer would rewrite the text while the user types.
    field->setCompleter(nullptr);
    addItems(entries);
    setCurrentIndex(-1);
    // From its first letter: a narrow list would otherwise show the prompt's tail.
    setEditText(prompt);
    field->setCursorPosition(0);

    // On Enter or on leaving the field Qt would select an entry that matches the
    // typed text and report it as a pick; an edit is an edit until the user picks.
    disconnect(field, &QLineEdit::editingFinished, this, nullptr);
    // Fires for the user's keystrokes only.
    connect(field, &QLineEdit::textEdited, this, [this] { RaiseChange(true); });
    // activated, unlike currentIndexChanged, also fires when the user picks the
    // entry already shown.
    connect(this, &QComboBox::activated, this, [this] { RaiseChange(false); });
}

void EditableList::RaiseChange(bool edited) {
    edited_ = edited;
    Dispatch([this] { emit Change(); });
}
