#pragma once

// The program's icon in every size it is drawn in. Its images are read when a
// window system first asks for one: offscreen nothing ever does, and on X11 it
// happens as the window is mapped, not before the window is built.

#include <QIcon>

QIcon ProgramIcon();
