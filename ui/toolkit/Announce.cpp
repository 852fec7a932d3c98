// SPDX-License-Identifier: GPL-3.0-or-later
#include "Announce.h"

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QWidget>

namespace {

// The controls that carry the last message; cleared as soon as the focus moves,
// so that a later visit to a control does not repeat a message gone stale.
QList<QPointer<QWidget>>& Carriers() {
    static QList<QPointer<QWidget>> carriers;
    return carriers;
}

void Withdraw() {
    for (const QPointer<QWidget>& carrier : std::as_const(Carriers()))
        if (carrier) carrier->setAccessibleDescription({});
    Carriers().clear();
}

}  // namespace

void Announce(const QString& message) {
    static QPointer<QApplication> watched;
    if (watched != qApp) {
        watched = qApp;
        QObject::connect(qApp, &QApplication::focusChanged, qApp, [] { Withdraw(); });
    }
    Withdraw();
    QWidget* focused = QApplication::focusWidget();
    if (!focused) return;
    Carriers().append(focused);
    for (QWidget* part : focused->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (part->focusProxy() == focused) Carriers().append(part);
    for (const QPointer<QWidget>& carrier : std::as_const(Carriers()))
        carrier->setAccessibleDescription(message);
}
