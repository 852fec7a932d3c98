// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's icon in every size it is drawn in, from the program's resources
// (:/icons/program-16.png and so on).

#include <QIcon>

QIcon ProgramIcon();
