#pragma once

#include "platform/desktopwindows.h"

// A scripted desktop: its windows as the test lays them out; it records each walk
// and each quit request.
class FakeDesktopWindows : public DesktopWindows {
public:
    QList<Window> topLevelWindows() override {
        ++walks;
        return windows;
    }
    bool postQuit(quint64 window) override {
        quitRequests.append(window);
        return true;
    }

    QList<Window> windows;
    int walks = 0;
    QList<quint64> quitRequests;
};
