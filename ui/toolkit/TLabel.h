// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A one-line label that reports clicks and keeps its left edge as its text grows.

#include <QLabel>
#include <QString>

class TLabel : public QLabel {
    Q_OBJECT
    // What the label's text is the figure of ("Процессор"); set by the window
    // description. A label with a subject is heard as "subject: text".
    Q_PROPERTY(QString subject READ Subject WRITE SetSubject)

public:
    explicit TLabel(QWidget* parent = nullptr);

    const QString& Subject() const { return subject_; }
    void SetSubject(const QString& subject) { subject_ = subject; }

    // Sets the text and widens or narrows the label to it; a label placed by
    // absolute geometry would otherwise cut a longer figure off. `spoken` is the
    // text as a screen reader should say it, where it differs from what is shown.
    void SetCaption(const QString& caption, const QString& spoken = {});

    // How the text was reached: the tooltip a pointer finds, and the description a
    // screen reader gives, since a label never has the focus a tooltip needs.
    void SetExplanation(const QString& explanation);

signals:
    void Click();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    friend class AccessibleLabel;
    void RaiseClick();

    QString subject_;
};
