// SPDX-License-Identifier: GPL-3.0-or-later
#include "WaylandReads.h"

// Windows has no Wayland connection to finish.
void FinishWaylandReads() {}
