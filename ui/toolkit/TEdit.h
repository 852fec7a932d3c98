// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A one-line edit field whose arrival a screen reader hears when the user tabs in.

#include <QLineEdit>

class TEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TEdit(QWidget* parent = nullptr);

protected:
    void focusInEvent(QFocusEvent* event) override;
};
