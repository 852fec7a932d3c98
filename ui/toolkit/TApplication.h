// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The application object: starts Qt, owns the main window, runs the event loop and
// shows errors. Exactly what the entry function needs, and no more.

#include <QWidget>
#include <memory>

class Exception;
class QApplication;

class TApplication {
public:
    TApplication();
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // Starts Qt without the command line: the program takes no options, and Qt's
    // own (-platform, -style, -reverse, ...) must not change it either. Qt's own
    // texts (a field's edit menu, a message box's buttons) speak the program's
    // language, given as a code such as "ru", where Qt has a translation into it.
    void Initialize(const QString& language);

    // The program has one form: the main window, whose closing ends Run().
    template <typename Form>
    void CreateForm(Form*& reference) {
        auto form = std::make_unique<Form>();
        reference = form.get();
        mainForm_ = std::move(form);
    }

    void Run();

    // Shows the message in a modal box and returns when the user dismisses it.
    void ShowException(const Exception& error);

    // Destroys the window, then Qt. The entry function's last step: left to the
    // destructors of static objects, it would run after parts of Qt are gone.
    // Nothing may run an event loop between this call and the end of QApplication:
    // on Wayland, Qt's event thread would announce a read again, and the one left
    // unread at the end is what FinishWaylandReads() settles.
    void Terminate();

private:
    std::unique_ptr<QApplication> qtApplication_;
    std::unique_ptr<QWidget> mainForm_;
};

extern TApplication* const Application;

// The look the program's windows were designed in, on any desktop: the classic
// Windows style, whose controls have the sizes their fixed geometry was laid out
// for, and as every window's face DesignedFace(): "MS Sans Serif" on Windows, and
// elsewhere the metric-compatible stand-in we install for it. Called by Initialize(), and by tests and
// tools that build a window under their own QApplication.
void ApplyDesignedLook();

// Installs Qt's own translation into the language, read from Qt's translations
// folder; false, and Qt stays in English, where there is none. Called by
// Initialize(), and by tests that build a window under their own QApplication.
bool TranslateQt(const QString& language);
