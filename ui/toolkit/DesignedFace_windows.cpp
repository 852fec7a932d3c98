// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignedFace.h"

// Windows still ships the bitmap face the windows were drawn in, at exactly the
// pixel heights they use.
QString DesignedFace() { return QStringLiteral("MS Sans Serif"); }
