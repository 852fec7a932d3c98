// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Makes a window report the moment its first frame is on screen, and its peak
// memory by then, on standard output; then it closes, ending its program: at
// once, or OSTREL_CLOSE_AFTER_MS later, for a test to change the world between.

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QtGlobal>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

inline long PeakResidentKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

template <typename Window>
class ReportsFirstFrame : public Window {
public:
    using Window::Window;

protected:
    bool event(QEvent* event) override {
        const bool handled = Window::event(event);
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            // Queued, so it runs once this update has painted the children and
            // flushed the frame to the screen.
            QTimer::singleShot(0, this, [this] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("first-frame-ns %lld peak-rss-kib %ld\n",
                            static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                            PeakResidentKiB());
                std::fflush(stdout);
                QTimer::singleShot(qEnvironmentVariableIntValue("OSTREL_CLOSE_AFTER_MS"), this,
                                   [this] { this->close(); });
            });
        }
        return handled;
    }

private:
    bool painted_ = false;
};
