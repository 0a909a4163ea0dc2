#pragma once

// What the process and desktop-window services both ask of X. Include this header
// after every other one: Xlib's macros (None, Bool, Status...) clash with Qt's.

#include <QByteArray>
#include <QtGlobal>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <memory>
#include <vector>

namespace xlib {

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};
using Connection = std::unique_ptr<Display, DisplayCloser>;

// The default display; null when there is no X server to talk to.
Connection connect();

// While it lives, an error about a window that vanished while it was looked at is
// ignored instead of ending the program. On leaving it waits until the server has
// handled every request, so that their errors are ignored too.
class IgnoredErrors {
public:
    explicit IgnoredErrors(Display* display);
    ~IgnoredErrors();
    IgnoredErrors(const IgnoredErrors&) = delete;
    IgnoredErrors& operator=(const IgnoredErrors&) = delete;

private:
    Display* display_;
    int (*previous_)(Display*, XErrorEvent*);
};

// The raw value of a window property (32-bit items come as longs); empty, with
// `format` 0, when the window has none of that type.
QByteArray property(Display* display, Window window, Atom name, Atom type, int& format);

// A window's children, bottom to top.
std::vector<Window> children(Display* display, Window parent);

// The process id a window's _NET_WM_PID names; 0 when it names none.
qint64 processOf(Display* display, Window window);

} // namespace xlib
