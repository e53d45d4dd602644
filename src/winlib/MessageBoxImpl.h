// Internal to the layer: the message boxes behind ShowMessage, MessageBox and the exception box.
#pragma once

#include "Forms.h"

namespace winlib {

// The application's exception box. Never throws: it is called from the guards around handlers.
void ShowExceptionBox(const AnsiString& Caption, const AnsiString& Text) noexcept;

// A paint of Source (a control) in progress. A box that informs (ShowMessage, the exception
// box) asked for meanwhile is shown once the paint is over, never from inside it: a modal box
// would paint and repaint the window beneath it while that window is painting. A notice that
// comes back on every paint of the same control is shown once, and again only after that
// control has painted without one.
class PaintScope {
  public:
    explicit PaintScope(const void* Source);
    ~PaintScope();
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
};

} // namespace winlib

// RunGuarded for a handler that runs inside a paint of Source.
template <class F> void RunPaintGuarded(const void* Source, F&& f) {
    winlib::PaintScope scope(Source);
    RunGuarded(std::forward<F>(f));
}
