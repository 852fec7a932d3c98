#pragma once

// Qt's widget libraries are built without unwind tables: an exception that
// reaches them aborts the program or ends the event loop. Every handler therefore
// runs inside Dispatch, called from our own widget code, so that an error stops at
// the handler, is shown to the user, and the loop goes on.

#include "Exception.h"
#include "TApplication.h"

template <typename Handler>
void Dispatch(Handler&& handler) noexcept {
    try {
        handler();
    } catch (const Exception& error) {
        Application->ShowException(error);
    } catch (...) {
        Application->ShowException(Exception(QString()));
    }
}
