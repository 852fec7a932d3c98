// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An editable drop-down list as a form's handlers know it: a prompt, entries, the
// index picked last and a Change for every pick or edit by the user.

#include <QComboBox>
#include <QString>
#include <QStringList>

class TComboBox : public QComboBox {
    Q_OBJECT
    // The text shown until the first pick; set by the window description.
    Q_PROPERTY(QString prompt READ Prompt WRITE SetPrompt)

public:
    explicit TComboBox(QWidget* parent = nullptr);

    const QString& Prompt() const { return prompt_; }
    void SetPrompt(const QString& prompt);

    // Replaces the entries and shows the prompt with none selected.
    void SetEntries(const QStringList& entries);

    // Back to what the list shows at start: the prompt, with no entry selected.
    // Raises no Change: it is the program's doing, not the user's.
    void ShowPromptAgain();

    // The entry picked last, or -1 before the first pick and after an edit.
    int ItemIndex() const { return origin_ == Origin::Typing ? -1 : currentIndex(); }

    // Where the user made the last change: a pick in the drop-down, an arrow key
    // (or the wheel) on the closed list, or a keystroke in its text field.
    enum class Origin { DropDown, Keys, Typing };
    Origin LastOrigin() const { return origin_; }

    void showPopup() override;
    void hidePopup() override;

signals:
    // Raised for the user's picks (a re-pick of the entry shown included) and for
    // every keystroke that edits the text; never for what the program does.
    void Change();

protected:
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Complete();
    void ShowPrompt();
    void RaiseChange(Origin origin);

    QString prompt_;
    // Held until the list is first shown: a hidden list is never drawn, and most
    // of the window's hidden lists are never shown in a session.
    QStringList pendingEntries_;
    bool complete_ = false;
    Origin origin_ = Origin::Keys;
    // Set while the drop-down closes: Qt reports the pick right after closing it.
    bool closing_ = false;
};
