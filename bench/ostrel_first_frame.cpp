// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's real entry code, with a window that quits after its first frame.

#include "FirstFrame.h"
#include "Project1.h"
#include "Unit1.h"

int main() {
    ReportsFirstFrame<TForm1>* form = nullptr;
    return Project1(form);
}
