// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A one-line label that reports clicks and keeps its left edge as its text grows.

#include <QLabel>

class TLabel : public QLabel {
    Q_OBJECT

public:
    explicit TLabel(QWidget* parent = nullptr);

    // Sets the text and widens or narrows the label to it; a label placed by
    // absolute geometry would otherwise cut a longer figure off.
    void SetCaption(const QString& caption);

signals:
    void Click();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
