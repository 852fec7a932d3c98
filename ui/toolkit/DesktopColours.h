// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A form in the colours of the desktop's theme, its texts legible on them.

class QWidget;

// Gives the form the desktop's 3D-light as its background: the system colour a
// classic Windows form is drawn in, which Qt reports there as QPalette::Midlight,
// and which Qt's other themes give as Midlight as well; the windows style draws
// the inner lower edge of a sunken field in it. Group boxes and labels fill no
// background of their own and show the form's; lists, fields and buttons keep
// theirs. A text that sets its own colour keeps it wherever it stands out from the
// background by `contrast`, and otherwise takes the nearest shade of it that does;
// the texts are found when the form is first shown. Both follow the desktop when
// its colours change while the form is open. Called before the form's controls
// are made, it costs them nothing: each is born with the background.
void PaintIn3DLight(QWidget& form, double contrast);
