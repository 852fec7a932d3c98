// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A push button whose Click runs its handler where an error can be caught and shown,
// and which Return and Enter press when it has the focus, as Space does. (Qt's
// button answers them only in a dialog.)

#include <QPushButton>

class TButton : public QPushButton {
    Q_OBJECT

public:
    explicit TButton(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

signals:
    void Click();
};
