#pragma once

#include "platform/displaymodes.h"

#include <QString>

class Screen;

// The display as Dispotune judges it.
struct DisplayMeasures {
    int width = 0;             // pixels
    int height = 0;            // pixels
    int bits = 0;              // colour depth
    double twipsPerPixelX = 0; // the font scale: exactly 15 at small fonts

    bool smallFonts() const { return twipsPerPixelX == 15.0; }
    // About 800 pixels wide, 16 bits or more, small fonts.
    bool suitable() const;
};

// Twips rounded half to even, divided (truncating) by the twips per pixel rounded
// half to even, or by 15 where those round to 0.
DisplayMeasures measureDisplay(const Screen& screen);

// The deepest 800 × 600 mode: its index in `modes` and its depth, 0 when there is none.
// Among equal depths the first one listed wins.
struct Recommendation {
    qint16 meilleurMode = 0;
    qint16 meilleursBits = 0;
};
Recommendation recommendMode(const QList<DisplayMode>& modes);

// A number as the messages write it: a non-negative one gets one leading space.
QString numberText(qint64 value);
