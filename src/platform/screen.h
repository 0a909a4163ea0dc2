#pragma once

// The screen as the window designs measure it: sizes in twips, the twips per pixel
// of each axis (15 at small fonts) and the colour depth in bits per pixel.
class Screen {
public:
    virtual ~Screen() = default;
    virtual double widthTwips() const = 0;
    virtual double heightTwips() const = 0;
    virtual double twipsPerPixelX() const = 0;
    virtual double twipsPerPixelY() const = 0;
    virtual int colourDepth() const = 0;
};
