#include "display/displaymeasures.h"

#include "common/numerictext.h"
#include "platform/screen.h"

namespace {

int pixels(double twips, double twipsPerPixel) {
    int divisor = arrondi(twipsPerPixel);
    if (divisor == 0)
        divisor = 15;
    return arrondi(twips) / divisor;
}

} // namespace

bool DisplayMeasures::suitable() const {
    return width >= 700 && width <= 900 && bits >= 16 && smallFonts();
}

DisplayMeasures measureDisplay(const Screen& screen) {
    return {pixels(screen.widthTwips(), screen.twipsPerPixelX()),
            pixels(screen.heightTwips(), screen.twipsPerPixelY()), screen.colourDepth(),
            screen.twipsPerPixelX()};
}

Recommendation recommendMode(const QList<DisplayMode>& modes) {
    Recommendation best;
    for (qsizetype number = 0; number < modes.size(); ++number) {
        const DisplayMode& mode = modes[number];
        const auto bits = static_cast<qint16>(mode.bitsPerPixel);
        if (mode.width == 800 && mode.height == 600 && bits > best.meilleursBits) {
            best.meilleursBits = bits;
            best.meilleurMode = static_cast<qint16>(number);
        }
    }
    return best;
}

QString numberText(qint64 value) {
    const QString digits = QString::number(value);
    return value >= 0 ? u' ' + digits : digits;
}
