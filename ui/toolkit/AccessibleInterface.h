// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Qt asks every installed factory for a widget's accessible interface, by the
// widget's class name. A control with an interface of its own installs its
// factory once, when the first control of its kind is built.

#include <QAccessible>
#include <QLatin1String>
#include <QObject>
#include <QString>

template <typename Control, typename Interface>
void InstallAccessibleInterface() {
    static const bool installed = [] {
        QAccessible::installFactory([](const QString& className, QObject* object) -> QAccessibleInterface* {
            if (className != QLatin1String(Control::staticMetaObject.className()) || !object ||
                !object->isWidgetType())
                return nullptr;
            return new Interface(static_cast<Control*>(object));
        });
        return true;
    }();
    (void)installed;
}
