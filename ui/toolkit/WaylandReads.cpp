// SPDX-License-Identifier: GPL-3.0-or-later
#include "WaylandReads.h"

#include <wayland-client.h>

#include <QGuiApplication>
#include <QtGlobal>
#include <cstring>
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
#include <QtGui/qguiapplication_platform.h>
#else
#include <qpa/qplatformnativeinterface.h>
#endif

namespace {

wl_display* QtDisplay() {
    // "wayland", or "wayland-egl" and the like where a user names the plugin.
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return nullptr;
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    auto* wayland = qGuiApp->nativeInterface<QNativeInterface::QWaylandApplication>();
    return wayland ? wayland->display() : nullptr;
#else
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    return native ? static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display")) : nullptr;
#endif
}

}  // namespace

void FinishWaylandReads() {
    wl_display* display = QtDisplay();
    if (!display) return;
    // A queue of its own, so that the answer never lands on Qt's, whose
    // dispatching is Qt's. libwayland reads it as one of the announced readers,
    // never alone, which is what makes the others finish. No deadline: a
    // compositor that does not answer would not have delivered the close.
    wl_event_queue* queue = wl_display_create_queue(display);
    wl_display_roundtrip_queue(display, queue);
    wl_event_queue_destroy(queue);
    // Qt reads no more from here on, and would not say it.
    if (const int error = wl_display_get_error(display))
        qWarning("The Wayland connection failed at the end: %s", std::strerror(error));
}
