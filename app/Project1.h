// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The entry function's whole life: start Qt, create the window, run the event loop
// until the window is closed. An error that escapes any of the three is shown once
// and ends the program; the exit code is 0 on every path.

#include "Exception.h"
#include "TApplication.h"

template <typename Form>
int Project1(Form*& form) {
    try {
        // The window is Russian; so are the texts Qt supplies itself.
        Application->Initialize(QStringLiteral("ru"));
        Application->CreateForm(form);
        Application->Run();
    } catch (const Exception& error) {
        Application->ShowException(error);
    } catch (...) {
        Application->ShowException(InternalError(std::current_exception()));
    }
    Application->Terminate();
    return 0;
}
