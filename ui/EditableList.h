#pragma once

// The Qt list inside a TComboBox once the user has reached it: an editable
// drop-down that reports one Change for every pick by the user (a re-pick of the
// entry shown included) and one for every edit of its text, none for anything the
// program does; and a selected index of -1 once the user has typed into it.

#include <QComboBox>
#include <QString>
#include <QStringList>

class EditableList : public QComboBox {
    Q_OBJECT

public:
    // Shows the prompt with no entry selected.
    EditableList(const QString& prompt, const QStringList& entries, QWidget* parent);

    // The entry picked last, or -1 before the first pick and after an edit.
    int ItemIndex() const { return edited_ ? -1 : currentIndex(); }

    // For the list that holds it: the events the user aims at that list.
    bool Take(QEvent* event) { return QComboBox::event(event); }

signals:
    void Change();

private:
    void RaiseChange(bool edited);

    bool edited_ = false;
};
