#include "TComboBox.h"

#include <QLineEdit>

#include "Dispatch.h"

TComboBox::TComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    // Typed text must never become an entry: the index selects the figure.
    setInsertPolicy(QComboBox::NoInsert);
    // The completer would rewrite the text while the user types.
    setCompleter(nullptr);
    // On Enter or on leaving the field Qt would select an entry that matches the
    // typed text and report it as a pick; an edit is an edit until the user picks.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);

    // activated, unlike currentIndexChanged, also fires when the user picks the
    // entry already shown; textEdited fires for the user's keystrokes only.
    connect(this, &QComboBox::activated, this, [this] { RaiseChange(false); });
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { RaiseChange(true); });
}

void TComboBox::SetPrompt(const QString& prompt) {
    prompt_ = prompt;
    if (currentIndex() < 0) ShowPrompt();
}

void TComboBox::SetEntries(QAbstractItemModel* entries) {
    setModel(entries);
    // Taking a model selects its first entry; clearing the selection clears the
    // text, so the prompt comes last.
    setCurrentIndex(-1);
    ShowPrompt();
}

// From its first letter: a narrow list would otherwise show the prompt's tail.
void TComboBox::ShowPrompt() {
    setEditText(prompt_);
    lineEdit()->setCursorPosition(0);
}

void TComboBox::RaiseChange(bool edited) {
    edited_ = edited;
    Dispatch([this] { emit Change(); });
}
