#pragma once

#include <QByteArray>
#include <QImage>

// What a \pict group says about its picture.
struct RtfPicture {
    enum Format { Png, Jpeg, Other };
    Format format = Other;
    int width = 0;      // \picw: pixels for bitmaps, hundredths of a millimetre for metafiles
    int height = 0;     // \pich
    int goalWidth = 0;  // \picwgoal, twips
    int goalHeight = 0; // \pichgoal, twips
    int scaleX = 100;   // \picscalex, percent
    int scaleY = 100;   // \picscaley, percent
    QByteArray data;    // the picture's bytes (hex already decoded)
    int pendingNibble = -1;

    void appendHex(QByteArrayView text);
    void appendBinary(QByteArrayView bytes);
};

// The picture to show and its size in pixels: PNG and JPEG decoded, anything else
// (metafiles, damaged or oversized data) an invisible placeholder of the size given.
struct PlacedPicture {
    QImage image;
    int width;
    int height;
};

PlacedPicture placePicture(const RtfPicture& picture, const QImage& placeholder);
