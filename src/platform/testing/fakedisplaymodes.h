#pragma once

#include "platform/displaymodes.h"

// A scripted mode list; records every change asked for and answers `changeResult`.
class FakeDisplayModes : public DisplayModes {
public:
    QList<DisplayMode> modes() const override { return list; }
    int change(const DisplayMode& mode) override {
        changes.append(mode);
        return changeResult;
    }
    bool requestRestart() override {
        ++restarts;
        return true;
    }

    QList<DisplayMode> list;
    int changeResult = DisplayModes::changed;
    QList<DisplayMode> changes;
    int restarts = 0;
};
