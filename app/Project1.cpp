// SPDX-License-Identifier: GPL-3.0-or-later
#include "Project1.h"

#include "Unit1.h"

// The command line is not read: the program takes no options. The platform's
// usual arguments all the same, which Qt's Windows entry point passes on.
int main(int, char**) { return Project1(Form1); }
