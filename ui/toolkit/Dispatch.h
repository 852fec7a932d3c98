// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs a handler so that the error it raises is shown to the user and the event
// loop goes on. Qt's rule is that no exception may pass through its event
// handling: Qt's own code is not written to be unwound, so nothing of Qt's that
// is half done when the error is raised (an event being delivered, a signal being
// emitted) would be put right on the way out. Every handler is therefore called
// through Dispatch: the toolkit's controls raise their Change and Click through
// it, and a form calls the handlers it connects to Qt's own signals (an action,
// a shortcut) through it. No error leaves it.

#include "Exception.h"
#include "TApplication.h"

template <typename Handler>
void Dispatch(Handler&& handler) noexcept {
    try {
        handler();
    } catch (const Exception& error) {
        Application->ShowException(error);
    } catch (...) {
        Application->ShowException(InternalError(std::current_exception()));
    }
}
