// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tells a screen-reader user something at once, without moving the focus: what a
// pick or a button press changed elsewhere in the window.

#include <QString>

// The message becomes the description of the control that has the focus, until
// the focus moves on. Qt 6.4 has no announcement event, but Orca speaks a change
// to the description of the object it presents as focused, and for a list that
// may be the list itself or its text field, so both carry it.
void Announce(const QString& message);
