// SPDX-License-Identifier: GPL-3.0-or-later
// The entry function run whole, each time with a window that behaves one way;
// tst_project1 starts this program and reads what the user would have seen.
// Usage: project1_scenarios close|exception|foreign|handler-error

#include <QStyle>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

#include "Project1.h"
#include "Unit1.h"
#include "UserActions.h"

namespace {

std::unique_ptr<MessageBoxWatcher> watcher;

void WatchMessages() { watcher = std::make_unique<MessageBoxWatcher>(); }

// The real window, closed by the user as soon as it is shown.
struct ClosedByUser : TForm1 {
    ClosedByUser() {
        WatchMessages();
        QTimer::singleShot(0, this, [this] {
            std::printf("shown: %s\n", isVisible() ? "yes" : "no");
            QStringList sizes;
            const QIcon icon = QApplication::windowIcon();
            for (const QSize& size : icon.availableSizes())
                if (icon.pixmap(size).size() == size)
                    sizes.append(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()));
            std::printf("icon: %s\n", qPrintable(sizes.join(' ')));
            std::printf("style: %s\n", qPrintable(style()->name()));
            close();
        });
    }
};

// The real window, where the user asks the converter for a non-number, then closes it.
struct ConverterError : TForm1 {
    ConverterError() {
        WatchMessages();
        QTimer::singleShot(0, this, [this] {
            QTest::keyClicks(findChild<QLineEdit*>("Edit1"), "x");
            Click(findChild<QWidget*>("Button1"));
            std::printf("still running: %s\n", isVisible() ? "yes" : "no");
            close();
        });
    }
};

struct ExceptionInCreation : TForm1 {
    ExceptionInCreation() {
        WatchMessages();
        throw Exception("Окно не создано");
    }
};

struct ForeignErrorInCreation : TForm1 {
    ForeignErrorInCreation() {
        WatchMessages();
        throw std::bad_alloc();
    }
};

template <typename Form>
int Run() {
    Form* form = nullptr;
    const int exitCode = Project1(form);
    if (watcher)
        for (const QString& text : watcher->texts) std::printf("message: [%s]\n", qUtf8Printable(text));
    watcher.reset();
    return exitCode;
}

}  // namespace

int main(int argc, char** argv) {
    const char* scenario = argc > 1 ? argv[1] : "";
    if (!std::strcmp(scenario, "close")) return Run<ClosedByUser>();
    if (!std::strcmp(scenario, "exception")) return Run<ExceptionInCreation>();
    if (!std::strcmp(scenario, "foreign")) return Run<ForeignErrorInCreation>();
    if (!std::strcmp(scenario, "handler-error")) return Run<ConverterError>();
    std::fprintf(stderr, "unknown scenario\n");
    return 2;
}
