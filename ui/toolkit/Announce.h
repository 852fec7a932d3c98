// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tells a screen-reader user something at once, without moving the focus: what a
// pick or a button press changed elsewhere in the window.

#include <QObject>
#include <QString>

// Speaks the message once, where the user is, and leaves it as the description of
// the control that has the focus (of its text field, where it has one) for
// "where am I" until the focus moves on; the control then gets back the
// description it had.
//
// How it goes out is DeliveryOf's choice (Delivery.h). What a list's change came
// from decides when: after typing, the message is told once the typing pauses, so
// that it does not drown the echo of each key.
void Announce(const QString& message);

// Raises Spoken for each message as it goes out to the screen reader, for whoever
// in the program wants to follow what is said (the tests do, where no screen
// reader listens).
class Announcements : public QObject {
    Q_OBJECT

public:
    // Owned by the application.
    static Announcements* Instance();

signals:
    void Spoken(const QString& message);

private:
    using QObject::QObject;
};
