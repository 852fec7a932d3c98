// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A push button whose Click runs its handler where an error can be caught and shown.

#include <QPushButton>

class TButton : public QPushButton {
    Q_OBJECT

public:
    explicit TButton(QWidget* parent = nullptr);

signals:
    void Click();
};
