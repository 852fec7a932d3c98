// SPDX-License-Identifier: GPL-3.0-or-later
#include "TLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMetaMethod>
#include <QMouseEvent>

#include "AccessibleInterface.h"
#include "Dispatch.h"

// Qt's label interface, with a press action where the label reacts to clicks: a
// screen reader cannot click at a place, only ask an object to act.
class AccessibleLabel : public QAccessibleWidget {
public:
    explicit AccessibleLabel(TLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty()) text = label()->text();
        return text;
    }

    QStringList actionNames() const override {
        return Clickable() ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && Clickable()) label()->RaiseClick();
    }

private:
    TLabel* label() const { return static_cast<TLabel*>(widget()); }
    bool Clickable() const { return label()->isSignalConnected(QMetaMethod::fromSignal(&TLabel::Click)); }
};

// Captions are plain text: a figure or a fixed sentence, never markup.
TLabel::TLabel(QWidget* parent) : QLabel(parent) {
    InstallAccessibleInterface<TLabel, AccessibleLabel>();
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TLabel::SetCaption(const QString& caption, const QString& spoken) {
    if (caption != text()) {
        setText(caption);
        resize(sizeHint().width(), height());
    }
    // Qt speaks a label by its name when it has one, and the name is what a
    // screen reader's review reads: it must carry the figure, not only its subject.
    if (!subject_.isEmpty())
        setAccessibleName(subject_ + QStringLiteral(": ") + (spoken.isEmpty() ? caption : spoken));
}

void TLabel::SetExplanation(const QString& explanation) {
    setToolTip(explanation);
    setAccessibleDescription(explanation);
}

// A click is a left-button release over the label, as with a button.
void TLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) RaiseClick();
}

void TLabel::RaiseClick() {
    Dispatch([this] { emit Click(); });
}
