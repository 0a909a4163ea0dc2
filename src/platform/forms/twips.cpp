#include "platform/forms/twips.h"

#include <QVariant>
#include <QWidget>
#include <cmath>

namespace {
constexpr const char* twipsProperty = "twipsRect";
}

int TwipsScale::toPixelsX(int twips) const {
    return int(std::lround(twips / perPixelX_));
}

int TwipsScale::toPixelsY(int twips) const {
    return int(std::lround(twips / perPixelY_));
}

QSize TwipsScale::toPixels(QSize twips) const {
    return {toPixelsX(twips.width()), toPixelsY(twips.height())};
}

QRect TwipsScale::rect(const QWidget& widget) const {
    const QVariant kept = widget.property(twipsProperty);
    if (kept.isValid())
        return kept.toRect();
    const QRect pixels = widget.geometry();
    return {int(std::lround(pixels.x() * perPixelX_)), int(std::lround(pixels.y() * perPixelY_)),
            int(std::lround(pixels.width() * perPixelX_)),
            int(std::lround(pixels.height() * perPixelY_))};
}

void TwipsScale::place(QWidget& widget, const QRect& twips) const {
    widget.setProperty(twipsProperty, twips);
    widget.setGeometry(toPixelsX(twips.x()), toPixelsY(twips.y()), toPixelsX(twips.width()),
                       toPixelsY(twips.height()));
}

void TwipsScale::setLeft(QWidget& widget, int left) const {
    QRect r = rect(widget);
    r.moveLeft(left);
    place(widget, r);
}

void TwipsScale::setTop(QWidget& widget, int top) const {
    QRect r = rect(widget);
    r.moveTop(top);
    place(widget, r);
}

void TwipsScale::setWidth(QWidget& widget, int width) const {
    QRect r = rect(widget);
    r.setWidth(width);
    place(widget, r);
}

void TwipsScale::setHeight(QWidget& widget, int height) const {
    QRect r = rect(widget);
    r.setHeight(height);
    place(widget, r);
}
