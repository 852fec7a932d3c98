#pragma once

// An editable drop-down list that behaves as the calculator's handlers expect:
// one Change for every pick by the user (a re-pick of the entry shown included)
// and one for every edit of its text, none for anything the program does; and a
// selected index of -1 once the user has typed into it.
//
// A list builds its text field only when the user first reaches it (pointer,
// focus, key, wheel or drag); until then it draws the field's text itself,
// pixel for pixel as the field would. Most lists are never touched in a session
// and thirty start hidden, and the fields are most of what the window costs to open.

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

    // Leaves no entry selected and the prompt showing.
    void SetEntries(const QStringList& entries);

    // The entry picked last, or -1 before the first pick and after an edit.
    int ItemIndex() const { return edited_ ? -1 : currentIndex(); }

    // What the list shows: the prompt, the entry picked or the text typed.
    QString Text() const;

signals:
    void Change();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildField();
    bool PassPressToField(QEvent* event);
    void ShowPrompt();
    void RaiseChange(bool edited);

    QString prompt_;
    bool edited_ = false;
    // A press that built the field belongs to the field, and so do the moves and
    // the release that follow it.
    bool fieldOwnsPress_ = false;
};
