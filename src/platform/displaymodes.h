#pragma once

#include <QList>
#include <QtGlobal>

// One mode of the screen, as the display-configuration program reads and asks for it.
struct DisplayMode {
    int bitsPerPixel = 0;
    int width = 0;
    int height = 0;
    quint32 fields = 0; // which of the values above a change applies

    bool operator==(const DisplayMode&) const = default;
};

// The modes of the default screen and the change between them.
class DisplayModes {
public:
    // Bits of the field mask.
    static constexpr quint32 bitsPerPixelField = 0x40000;
    static constexpr quint32 widthField = 0x80000;
    static constexpr quint32 heightField = 0x100000;

    // Results of change(); any other negative value is a failure too.
    static constexpr int changed = 0;
    static constexpr int restartNeeded = 1;
    static constexpr int failed = -1;
    static constexpr int badMode = -2;

    virtual ~DisplayModes() = default;

    // The default screen's modes, in the same order at every call while they stay the
    // same. Every mode carries the screen's colour depth. Empty when there is no screen.
    virtual QList<DisplayMode> modes() const = 0;

    // Applies the values the mode's field mask names; returns one of the results above.
    virtual int change(const DisplayMode& mode) = 0;

    // Asks the session's login manager to restart the computer; false when it could
    // not be asked.
    virtual bool requestRestart() = 0;
};
