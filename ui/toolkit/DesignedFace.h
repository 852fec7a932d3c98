// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The face every text of the program's windows asks for, by name.

#include <QString>

// "MS Sans Serif" where Windows has it; elsewhere the metric-compatible face we
// install in its place. Each platform's build links the one file that says which.
QString DesignedFace();
