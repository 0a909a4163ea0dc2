#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// Controls inside frames and dialogs are placed in twips. The design's numbers are
// kept on the control as they were given, so that arithmetic on them (a chapter
// below the previous one plus 120) stays exact whatever the pixel rounding.
class TwipsScale {
public:
    TwipsScale(double perPixelX, double perPixelY) : perPixelX_(perPixelX), perPixelY_(perPixelY) {}

    void place(QWidget& widget, const QRect& twips) const;
    void setLeft(QWidget& widget, int left) const;
    void setTop(QWidget& widget, int top) const;
    void setWidth(QWidget& widget, int width) const;
    void setHeight(QWidget& widget, int height) const;

    // The twips the control was last placed at (its pixel geometry scaled when it
    // never was).
    QRect rect(const QWidget& widget) const;

    int toPixelsX(int twips) const;
    int toPixelsY(int twips) const;
    // A window's client size: windows are sized in the unit their controls are placed in.
    QSize toPixels(QSize twips) const;
    double perPixelX() const { return perPixelX_; }
    double perPixelY() const { return perPixelY_; }

private:
    double perPixelX_;
    double perPixelY_;
};
