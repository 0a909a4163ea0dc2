#pragma once

#include "platform/desktopwindows.h"

// The X11 desktop: the window manager's stacking list (_NET_CLIENT_LIST_STACKING)
// when there is one, else the root window's children and, below a window manager's
// frames, their children. A window's program is that of the local process its
// _NET_WM_PID names. A quit request is the WM_DELETE_WINDOW message of the window's
// WM_PROTOCOLS.
class XDesktopWindows : public DesktopWindows {
public:
    QList<Window> topLevelWindows() override;
    bool postQuit(quint64 window) override;
};
