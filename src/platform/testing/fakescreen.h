#pragma once

#include "platform/screen.h"

class FakeScreen : public Screen {
public:
    void setPixels(int width, int height) {
        widthPixels = width;
        heightPixels = height;
    }

    double widthTwips() const override { return widthPixels * twipsX; }
    double heightTwips() const override { return heightPixels * twipsY; }
    double twipsPerPixelX() const override { return twipsX; }
    double twipsPerPixelY() const override { return twipsY; }
    int colourDepth() const override { return depth; }

    int widthPixels = 800;
    int heightPixels = 600;
    double twipsX = 15;
    double twipsY = 15;
    int depth = 32;
};
