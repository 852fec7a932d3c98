// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's icon in every size it is drawn in, from the images in icons/
// beside this file, which this library carries as :/icons/ostrel-16.png and so on.

#include <QIcon>

QIcon ProgramIcon();
