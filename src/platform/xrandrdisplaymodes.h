#pragma once

#include "platform/displaymodes.h"

// The modes of the X server's primary output (or its first connected one) through
// XRandR. A change lasts for the session: the X server keeps no registry. Each call
// opens its own connection, so the toolkit's connection is never disturbed.
class XrandrDisplayModes : public DisplayModes {
public:
    QList<DisplayMode> modes() const override;
    int change(const DisplayMode& mode) override;
    bool requestRestart() override;
};
