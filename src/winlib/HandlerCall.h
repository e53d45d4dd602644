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
