#include "TComboBox.h"

#include <QAccessible>
#include <QApplication>
#include <QCompleter>
#include <QLineEdit>
#include <QPointer>

#include "AccessibleList.h"
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

TComboBox::TComboBox(QWidget* parent) : QComboBox(parent) {
    static const bool announced = (QAccessible::installFactory(AccessibleListFactory), true);
    (void)announced;
    auto* field = new QLineEdit(this);
    field->setCompleter(Placeholder());
    setLineEdit(field);
    // The completer would rewrite the text while the user types.
    field->setCompleter(nullptr);
    // Typed text must never become an entry: the index selects the figure.
    setInsertPolicy(QComboBox::NoInsert);
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
    // An editable list never draws this text; set, it keeps the list unselected
    // when its entries arrive, so that the prompt is laid out once, not three times.
    setPlaceholderText(prompt_);
    if (currentIndex() < 0) ShowPrompt();
}

void TComboBox::SetEntries(const QStringList& entries) {
    addItems(entries);
    // Without a prompt, adding entries selects the first.
    if (currentIndex() >= 0) {
        setCurrentIndex(-1);
        ShowPrompt();
    }
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
