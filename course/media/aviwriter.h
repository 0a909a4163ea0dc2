#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Writes an AVI file of JPEG pictures (MJPEG), with an optional 16-bit mono PCM
// sound track interleaved picture by picture.
struct AviMovie {
    int width = 0;
    int height = 0;
    int framesPerSecond = 10;
    QList<QByteArray> jpegFrames;
    int sampleRate = 0; // 0: no sound track
    QByteArray samples; // 16-bit little-endian mono PCM
};

bool writeAvi(const QString& path, const AviMovie& movie);
