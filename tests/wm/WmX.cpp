// The X side of the window-manager tests: our own connection to the private display.
#include "WmX.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace wm {

namespace {

// A window that went away between two questions answers nothing; that is not a test failure.
int IgnoreXErrors(Display*, XErrorEvent*) {
    return 0;
}

Display* X() {
    static Display* d = [] {
        Display* opened = XOpenDisplay(nullptr);
        if (opened) XSetErrorHandler(IgnoreXErrors);
        return opened;
    }();
    return d;
}

Atom AtomOf(const char* name) {
    return XInternAtom(X(), name, False);
}

::Window Root() {
    return DefaultRootWindow(X());
}

// The items of a 32-bit property (Xlib hands them out as longs).
std::vector<unsigned long> LongProperty(Window w, const char* name, Atom type) {
    std::vector<unsigned long> out;
    Atom actual = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(X(), w, AtomOf(name), 0, 4096, False, type, &actual, &format, &count, &after,
                           &data) == Success &&
        data && format == 32) {
        auto* items = reinterpret_cast<unsigned long*>(data);
        out.assign(items, items + count);
    }
    if (data) XFree(data);
    return out;
}

std::string Utf8Property(Window w, const char* name) {
    std::string out;
    Atom actual = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(X(), w, AtomOf(name), 0, 4096, False, AtomOf("UTF8_STRING"), &actual, &format,
                           &count, &after, &data) == Success &&
        data && format == 8)
        out.assign(reinterpret_cast<char*>(data), count);
    if (data) XFree(data);
    return out;
}

Window ParentOf(Window w) {
    ::Window root = 0, parent = 0, *children = nullptr;
    unsigned int n = 0;
    if (!w || !XQueryTree(X(), w, &root, &parent, &children, &n)) return 0;
    if (children) XFree(children);
    return parent;
}

} // namespace

std::ostream& operator<<(std::ostream& os, const XRect& r) {
    return os << r.width << "x" << r.height << "+" << r.x << "+" << r.y;
}

XRect ScreenRect() {
    ::Screen* s = DefaultScreenOfDisplay(X());
    return XRect{0, 0, WidthOfScreen(s), HeightOfScreen(s)};
}

Window FindWindow(const std::string& Title) {
    for (unsigned long w : LongProperty(Root(), "_NET_CLIENT_LIST", XA_WINDOW))
        if (Utf8Property(w, "_NET_WM_NAME") == Title && Viewable(w)) return w;
    return 0;
}

bool Viewable(Window W) {
    XWindowAttributes a;
    return W && XGetWindowAttributes(X(), W, &a) && a.map_state == IsViewable;
}

XRect ClientGeometry(Window W) {
    XWindowAttributes a;
    if (!W || !XGetWindowAttributes(X(), W, &a)) return XRect{};
    int x = 0, y = 0;
    ::Window child = 0;
    XTranslateCoordinates(X(), W, Root(), 0, 0, &x, &y, &child);
    return XRect{x, y, a.width, a.height};
}

XRect FrameGeometry(Window W) {
    Window top = W;
    for (Window p = ParentOf(top); p && p != Root(); p = ParentOf(top))
        top = p;
    XWindowAttributes a;
    if (!top || !XGetWindowAttributes(X(), top, &a)) return XRect{};
    return XRect{a.x, a.y, a.width + 2 * a.border_width, a.height + 2 * a.border_width};
}

bool Framed(Window W) {
    const Window parent = ParentOf(W);
    return parent && parent != Root() && LongProperty(W, "_NET_FRAME_EXTENTS", XA_CARDINAL).size() == 4;
}

Window ActiveWindow() {
    std::vector<unsigned long> v = LongProperty(Root(), "_NET_ACTIVE_WINDOW", XA_WINDOW);
    return v.empty() ? 0 : v.front();
}

bool Maximised(Window W) {
    bool vert = false, horz = false;
    for (unsigned long a : LongProperty(W, "_NET_WM_STATE", XA_ATOM)) {
        vert = vert || a == AtomOf("_NET_WM_STATE_MAXIMIZED_VERT");
        horz = horz || a == AtomOf("_NET_WM_STATE_MAXIMIZED_HORZ");
    }
    return vert && horz;
}

void AskToMoveAndResize(Window W, const XRect& Client) {
    XMoveResizeWindow(X(), W, Client.x, Client.y, static_cast<unsigned>(Client.width),
                      static_cast<unsigned>(Client.height));
    XFlush(X());
}

void AskToMaximise(Window W) {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = W;
    e.xclient.message_type = AtomOf("_NET_WM_STATE");
    e.xclient.format = 32;
    e.xclient.data.l[0] = 1; // add
    e.xclient.data.l[1] = static_cast<long>(AtomOf("_NET_WM_STATE_MAXIMIZED_VERT"));
    e.xclient.data.l[2] = static_cast<long>(AtomOf("_NET_WM_STATE_MAXIMIZED_HORZ"));
    e.xclient.data.l[3] = 2; // from a pager or the like: a person's request
    XSendEvent(X(), Root(), False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
    XFlush(X());
}

std::vector<uint32_t> Grab(const XRect& Area) {
    std::vector<uint32_t> out;
    XImage* img = XGetImage(X(), Root(), Area.x, Area.y, static_cast<unsigned>(Area.width),
                            static_cast<unsigned>(Area.height), AllPlanes, ZPixmap);
    if (!img) return out;
    out.reserve(static_cast<size_t>(Area.width) * static_cast<size_t>(Area.height));
    for (int y = 0; y < Area.height; ++y)
        for (int x = 0; x < Area.width; ++x)
            out.push_back(static_cast<uint32_t>(XGetPixel(img, x, y) & 0xFFFFFF));
    XDestroyImage(img);
    return out;
}

} // namespace wm
