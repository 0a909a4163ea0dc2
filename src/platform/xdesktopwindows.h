#pragma once

#include "platform/desktopwindows.h"

#include <memory>

struct _XDisplay; // Xlib's Display, kept out of the headers that Qt code includes

// The X11 desktop: the window manager's stacking list (_NET_CLIENT_LIST_STACKING)
// when there is one, else the root window's children and, below a window manager's
// frames, their children. A window's program is that of the local process its
// _NET_WM_PID names. A quit request is the WM_DELETE_WINDOW message of the window's
// WM_PROTOCOLS. One connection to the X server, opened at first use, serves every
// walk and request: quitting walks the desktop many times over.
class XDesktopWindows : public DesktopWindows {
public:
    XDesktopWindows();
    ~XDesktopWindows() override;

    QList<Window> topLevelWindows() override;
    bool postQuit(quint64 window) override;

private:
    _XDisplay* display();

    struct Closer {
        void operator()(_XDisplay* display) const;
    };
    std::unique_ptr<_XDisplay, Closer> display_;
};
