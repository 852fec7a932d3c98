// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramIcon.h"

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 128})
        icon.addFile(QStringLiteral(":/icons/ostrel-%1.png").arg(size), QSize(size, size));
    return icon;
}
