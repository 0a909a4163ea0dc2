#pragma once

#include "platform/screen.h"

// The primary screen. Twips per pixel is 1440 divided by the logical DPI, so a
// screen scaled by the desktop keeps the design's proportions.
class QtScreen : public Screen {
public:
    double widthTwips() const override;
    double heightTwips() const override;
    double twipsPerPixelX() const override;
    double twipsPerPixelY() const override;
    int colourDepth() const override;
};
