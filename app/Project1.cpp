// SPDX-License-Identifier: GPL-3.0-or-later
#include "Project1.h"

#include "Unit1.h"

// The command line is not read: the program takes no options.
int main() { return Project1(Form1); }
