#include "platform/richtext/rtfpicture.h"

#include "platform/richtext/rtftokenizer.h"

#include <QBuffer>
#include <QImageReader>
#include <algorithm>

namespace {

// At 96 DPI: 15 twips and 26.46 hundredths of a millimetre per pixel.
constexpr double twipsPerPixel = 15.0;
constexpr double himetricPerPixel = 2540.0 / 96.0;
constexpr int largestSide = 8000;
constexpr qint64 largestArea = 4096LL * 4096LL;

QImage decode(const RtfPicture& picture) {
    if (picture.format == RtfPicture::Other || picture.data.isEmpty())
        return {};
    QBuffer buffer;
    buffer.setData(picture.data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, picture.format == RtfPicture::Png ? "png" : "jpeg");
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > largestArea)
        return {};
    return reader.read();
}

int side(int goal, int scale, double natural) {
    const double pixels = goal > 0 ? goal / twipsPerPixel : natural;
    const double scaled = pixels * (scale > 0 ? scale : 100) / 100.0;
    return static_cast<int>(std::clamp(scaled, 1.0, double(largestSide)));
}

} // namespace

void RtfPicture::appendHex(QByteArrayView text) {
    for (char c : text) {
        const int value = rtfHexValue(c);
        if (value < 0)
            continue;
        if (pendingNibble < 0) {
            pendingNibble = value;
        } else {
            data.append(static_cast<char>(pendingNibble * 16 + value));
            pendingNibble = -1;
        }
    }
}

void RtfPicture::appendBinary(QByteArrayView bytes) {
    data.append(bytes);
}

PlacedPicture placePicture(const RtfPicture& picture, const QImage& placeholder) {
    const QImage image = decode(picture);
    double naturalWidth = std::max(picture.width, 0);
    double naturalHeight = std::max(picture.height, 0);
    if (!image.isNull()) {
        naturalWidth = image.width();
        naturalHeight = image.height();
    } else if (picture.format == RtfPicture::Other) {
        naturalWidth /= himetricPerPixel;
        naturalHeight /= himetricPerPixel;
    }
    return {image.isNull() ? placeholder : image,
            side(picture.goalWidth, picture.scaleX, naturalWidth),
            side(picture.goalHeight, picture.scaleY, naturalHeight)};
}
