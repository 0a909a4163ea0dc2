#include "platform/qtscreen.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

const QScreen* primary() {
    return QGuiApplication::primaryScreen();
}

double twipsPerPixel(double logicalDpi) {
    return logicalDpi > 0 ? 1440.0 / logicalDpi : 15.0;
}

} // namespace

double QtScreen::widthTwips() const {
    const QScreen* s = primary();
    return s ? s->geometry().width() * twipsPerPixelX() : 0.0;
}

double QtScreen::heightTwips() const {
    const QScreen* s = primary();
    return s ? s->geometry().height() * twipsPerPixelY() : 0.0;
}

double QtScreen::twipsPerPixelX() const {
    const QScreen* s = primary();
    return twipsPerPixel(s ? s->logicalDotsPerInchX() : 96.0);
}

double QtScreen::twipsPerPixelY() const {
    const QScreen* s = primary();
    return twipsPerPixel(s ? s->logicalDotsPerInchY() : 96.0);
}

int QtScreen::colourDepth() const {
    const QScreen* s = primary();
    return s ? s->depth() : 0;
}
