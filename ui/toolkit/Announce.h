// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tells a screen-reader user something at once, without moving the focus: what a
// pick or a button press changed elsewhere in the window.

#include <QObject>
#include <QString>

// Speaks the message once, where the user is, and leaves it as the description of
// the control that has the focus for "where am I" until the focus moves on; the
// control then gets back the description it had.
//
// A change to a description alone is never heard: Qt 6.4 tells the bus that the
// description changed but not what it now says, and Orca speaks nothing of it.
// Qt 6.8 and later send the message as an announcement. Before that it goes out
// as a notification that is shown without being drawn: a hidden status bar of
// the window holds it, and Orca speaks a notification of a status bar as it is,
// without naming its role.
//
// What a list's change came from decides when: after a pick in the drop-down
// nothing more is sent, since the focus coming back to the list already reads
// the description; after typing, the message is spoken once the typing pauses,
// so that it does not drown the echo of each key.
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
