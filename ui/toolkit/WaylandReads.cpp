// SPDX-License-Identifier: GPL-3.0-or-later
#include "WaylandReads.h"

#include <wayland-client.h>

#include <poll.h>

#include <QGuiApplication>
#include <QtGlobal>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
#include <QtGui/qguiapplication_platform.h>
#else
#include <qpa/qplatformnativeinterface.h>
#endif

namespace {

// Long enough for a compositor under load, short enough that a program whose
// compositor stopped still ends about when its user expects.
constexpr int waylandAnswerDeadlineMs = 2000;
constexpr std::chrono::milliseconds waylandAnswerDeadline{waylandAnswerDeadlineMs};

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
    // never alone, which is what makes the others finish.
    wl_event_queue* queue = wl_display_create_queue(display);
    auto* wrapper = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapper), queue);
    bool answered = false;
    wl_callback* sync = wl_display_sync(wrapper);
    static constexpr wl_callback_listener listener{
        [](void* data, wl_callback*, uint32_t) { *static_cast<bool*>(data) = true; }};
    wl_callback_add_listener(sync, &listener, &answered);
    wl_proxy_wrapper_destroy(wrapper);

    // Bounded: the compositor may be stopped or frozen, or the socket full, where
    // it did not ask for the close itself (an error, the program closing itself).
    const auto deadline = std::chrono::steady_clock::now() + waylandAnswerDeadline;
    const auto left = [&] {
        return static_cast<int>(std::max<long long>(0, std::chrono::duration_cast<std::chrono::milliseconds>(
                                                           deadline - std::chrono::steady_clock::now())
                                                           .count()));
    };
    while (!answered) {
        while (wl_display_prepare_read_queue(display, queue) != 0)
            wl_display_dispatch_queue_pending(display, queue);
        pollfd socket{wl_display_get_fd(display), POLLIN, 0};
        while (wl_display_flush(display) < 0 && errno == EAGAIN) {
            pollfd writable{socket.fd, POLLOUT, 0};
            if (poll(&writable, 1, left()) <= 0) break;
        }
        if (poll(&socket, 1, left()) <= 0) {
            wl_display_cancel_read(display);
            break;
        }
        if (wl_display_read_events(display) < 0) break;
        wl_display_dispatch_queue_pending(display, queue);
    }
    wl_callback_destroy(sync);
    wl_event_queue_destroy(queue);
    if (!answered)
        qWarning("The Wayland compositor did not answer within %d ms at the end.", waylandAnswerDeadlineMs);
    // Qt reads no more from here on, and would not say it.
    if (const int error = wl_display_get_error(display))
        qWarning("The Wayland connection failed at the end: %s", std::strerror(error));
}
