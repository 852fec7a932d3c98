#pragma once

// An editable drop-down list as the calculator's handlers know it: a prompt,
// entries, the index picked last and a Change for every pick or edit by the user.
//
// A Qt list costs several times what the rest of a control does to build, and the
// window holds sixty-nine of them, thirty hidden at the start and most never
// touched in a session. So a TComboBox draws itself, pixel for pixel as the Qt
// list would, until the user first reaches it (pointer, focus, key, wheel or
// drag); then it builds the Qt list over itself and hands it everything the user
// aims at it, as Qt's own compound controls do with their parts.

#include <QString>
#include <QStringList>
#include <QWidget>

class EditableList;

class TComboBox : public QWidget {
    Q_OBJECT
    // The text shown until the first pick; set by the window description.
    Q_PROPERTY(QString prompt READ Prompt WRITE SetPrompt)

public:
    explicit TComboBox(QWidget* parent = nullptr);

    const QString& Prompt() const { return prompt_; }
    void SetPrompt(const QString& prompt);

    // Set once, before the user reaches the list.
    void SetEntries(const QStringList& entries) { entries_ = entries; }
    int Count() const { return static_cast<int>(entries_.size()); }

    // The entry picked last, or -1 before the first pick and after an edit.
    int ItemIndex() const;

    // What the list shows: the prompt, the entry picked or the text typed.
    QString Text() const;

    // The Qt list the user works with, built now if the user has not reached it yet.
    EditableList* Reached();
    bool IsReached() const { return list_ != nullptr; }

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

signals:
    void Change();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool PassPressToList(QEvent* event);

    QString prompt_;
    QStringList entries_;
    EditableList* list_ = nullptr;
    // A press that built the list belongs to the part of it under the pointer, and
    // so do the moves and the release that follow it.
    QWidget* pressTarget_ = nullptr;
    bool passing_ = false;
    Qt::FocusReason focusReason_ = Qt::OtherFocusReason;
    bool drawn_ = false;
    bool buildOnceDrawn_ = false;
};
