// SPDX-License-Identifier: GPL-3.0-or-later
#include "Exception.h"

Exception InternalError(const std::exception_ptr& error) {
    const QString heading = QStringLiteral("Внутренняя ошибка программы");
    try {
        if (error) std::rethrow_exception(error);
    } catch (const std::exception& known) {
        const QString text = QString::fromUtf8(known.what());
        if (!text.isEmpty()) return Exception(heading + QStringLiteral("\n\n") + text);
    } catch (...) {
        // Nothing to quote: the heading alone.
    }
    return Exception(heading);
}
