// SPDX-License-Identifier: GPL-3.0-or-later
#include "TComboBox.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCompleter>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

#include "AccessibleInterface.h"
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

// Qt's own interface for an editable list, with one difference: on Linux Qt names
// the list by its text, which here is a prompt or an entry ("Количество", "4")
// and says nothing of which list it is. The list is named by its accessible name,
// as Qt names it on the other platforms; its children are Qt's: the drop-down's
// entries, then the text field, each of which names the list as its parent.
class AccessibleList : public QAccessibleWidget
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    ,
                       public QAccessibleAttributesInterface
#endif
{
public:
    explicit AccessibleList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return list()->currentText();
        return QAccessibleWidget::text(kind);
    }

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Orca 48 takes a list's value from its text field only when the field says it
    // is a single line, which Qt's does not; nor from a pick, before the first, so
    // that it said the list's name where the prompt belongs. "valuetext" it reads
    // before either.
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::AttributesInterface)
            return static_cast<QAccessibleAttributesInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QList<QAccessible::Attribute> attributeKeys() const override { return {QAccessible::Attribute::Custom}; }
    QVariant attributeValue(QAccessible::Attribute key) const override {
        if (key != QAccessible::Attribute::Custom) return {};
        return QVariant::fromValue(
            QHash<QString, QString>{{QStringLiteral("valuetext"), list()->currentText()}});
    }
#endif

    int childCount() const override { return field() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0) return QAccessible::queryAccessibleInterface(list()->view());
        if (index == 1 && field()) return QAccessible::queryAccessibleInterface(field());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        if (child->object() == list()->view()) return 0;
        if (field() && child->object() == field()) return 1;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        QAccessibleInterface* text = field() ? child(1) : nullptr;
        return text && text->rect().contains(x, y) ? text : nullptr;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = list()->view()->isVisible();
        state.editable = field() != nullptr;
        return state;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) list()->showPopup();
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
    QLineEdit* field() const { return list()->lineEdit(); }
};

}  // namespace

TComboBox::TComboBox(QWidget* parent) : QComboBox(parent) {
    InstallAccessibleInterface<TComboBox, AccessibleList>();
    // Typed text must never become an entry: the index selects the figure.
    setInsertPolicy(QComboBox::NoInsert);
    // activated, unlike currentIndexChanged, also fires when the user picks the
    // entry already shown.
    connect(this, &QComboBox::activated, this,
            [this] { RaiseChange(closing_ ? Origin::DropDown : Origin::Keys); });
}

void TComboBox::SetPrompt(const QString& prompt) {
    prompt_ = prompt;
    // An editable list never draws this text; set, it keeps the list unselected
    // while its entries arrive, so that the prompt is laid out once.
    setPlaceholderText(prompt_);
    if (complete_ && currentIndex() < 0) ShowPrompt();
}

void TComboBox::SetEntries(const QStringList& entries) {
    if (!complete_) {
        pendingEntries_ = entries;
        return;
    }
    clear();
    addItems(entries);
    origin_ = Origin::Keys;
    ShowPrompt();
}

void TComboBox::ShowPromptAgain() {
    // Never shown, the list still shows its prompt: there is nothing to undo.
    if (!complete_) return;
    setCurrentIndex(-1);
    ShowPrompt();
}

void TComboBox::showEvent(QShowEvent* event) {
    if (!complete_) Complete();
    QComboBox::showEvent(event);
}

// An editable Qt list would open its field's own edit menu; ignored, the event
// goes on to the form, whose menu is the list's and offers those entries too.
void TComboBox::contextMenuEvent(QContextMenuEvent* event) { event->ignore(); }

void TComboBox::Complete() {
    complete_ = true;
    auto* field = new QLineEdit(this);
    // Right after the list in the focus chain, where Qt keeps the field of a list
    // made editable before its window is shown; made later, it would join the
    // chain at its end, and a list put after this one would go there with it.
    QWidget::setTabOrder(this, field);
    // A screen reader may present the field rather than the list as focused; named
    // for the list, it still says which list it is after a pick.
    field->setAccessibleName(accessibleName());
    field->setCompleter(Placeholder());
    setLineEdit(field);
    // The completer would rewrite the text while the user types.
    field->setCompleter(nullptr);
    // A right-click or the menu key in the field goes on to the list and its form,
    // whose menu may offer the field's edit entries among its own.
    field->setContextMenuPolicy(Qt::NoContextMenu);
    // On Enter or on leaving the field Qt would select an entry that matches the
    // typed text and report it as a pick; an edit is an edit until the user picks.
    disconnect(field, &QLineEdit::editingFinished, this, nullptr);
    // Fires for the user's keystrokes only.
    connect(field, &QLineEdit::textEdited, this, [this] { RaiseChange(Origin::Typing); });
    addItems(pendingEntries_);
    pendingEntries_.clear();
    // After the entries: with the prompt as placeholder they select none, and
    // the field's text is laid out once.
    ShowPrompt();
}

// From its first letter: a narrow list would otherwise show the prompt's tail.
void TComboBox::ShowPrompt() {
    setEditText(prompt_);
    lineEdit()->setCursorPosition(0);
}

void TComboBox::showPopup() {
    // Installed after the drop-down's own filter, so it sees the keys first.
    view()->installEventFilter(this);
    QComboBox::showPopup();
}

void TComboBox::hidePopup() {
    closing_ = true;
    QComboBox::hidePopup();
    // The pick, if any, has been reported by the time the events queued now run;
    // a change after that comes from the closed list.
    QMetaObject::invokeMethod(
        this, [this] { closing_ = false; }, Qt::QueuedConnection);
}

// Qt's drop-down picks its entry on the shortcut override that precedes Return or
// Enter, but leaves the override unaccepted, and on X11 Qt then delivers it a
// second time: one pick became two, the handler ran twice and a screen reader
// heard the pick twice. Once the first has closed the drop-down, the second is
// accepted here and goes no further.
bool TComboBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view() && event->type() == QEvent::ShortcutOverride && !view()->isVisible()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            event->accept();
            return true;
        }
    }
    return QComboBox::eventFilter(watched, event);
}

void TComboBox::RaiseChange(Origin origin) {
    origin_ = origin;
    Dispatch([this] { emit Change(); });
}
