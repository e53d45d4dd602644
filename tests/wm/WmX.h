// What the X server says about windows, and its pixels: the part of the window-manager tests'
// helpers that talks to the display directly, beside the program's own connection.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace wm {

using Window = unsigned long; // an X window id

// A rectangle on the screen, in pixels.
struct XRect {
    int x = 0, y = 0, width = 0, height = 0;
    int Right() const { return x + width; }
    int Bottom() const { return y + height; }
    bool operator==(const XRect&) const = default;
};
std::ostream& operator<<(std::ostream& os, const XRect& r);

// The screen's size.
XRect ScreenRect();
// The top-level window whose title (_NET_WM_NAME) is Title and that is shown, or 0.
Window FindWindow(const std::string& Title);
bool Viewable(Window W);
// The client area: what the program draws in, without the window manager's frame.
XRect ClientGeometry(Window W);
// The frame the window manager put around the client (the client itself when it has none).
XRect FrameGeometry(Window W);
// True once the window manager has taken the window in and put its frame around it (a frame
// without decorations for a window that asks for none).
bool Framed(Window W);
Window ActiveWindow();
bool Maximised(Window W);

// Requests to the window manager, as a person's drag of the border or a click on the title's
// maximise button makes them; the window manager decides what it grants.
void AskToMoveAndResize(Window W, const XRect& Client);
void AskToMaximise(Window W);

// Pixels of the screen as 0xRRGGBB, row by row.
std::vector<uint32_t> Grab(const XRect& Area);

} // namespace wm
