// Internal to the layer: running a handler of a component's event.
#pragma once

#include "Classes.h"

// Copies the handler before running it, so a handler that reassigns its own event is safe.
inline void Fire(const TNotifyEvent& e, TObject* sender) {
    if (e) {
        TNotifyEvent copy = e;
        copy(sender);
    }
}

// Hands the exception being handled to Application->HandleException, which shows it with the
// exception box.
void HandleEscapedException();

// Runs a handler the way a user's action does: any exception is shown with the exception box.
template <class F> void RunGuarded(F&& f) {
    try {
        f();
    } catch (...) {
        HandleEscapedException();
    }
}
