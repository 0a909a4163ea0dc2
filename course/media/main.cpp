// coursemedia: draws the demo course's pictures and animates its videos.
//   coursemedia MEDIA_LIST NARRATION_DIR OUT_DIR
// Each picture (and video still) is drawn twice: NAME.ext at its size, and
// NAME@2x.ext at twice as many pixels each way, which the navigator shows instead on
// a dense screen.
// MEDIA_LIST is media.txt; NARRATION_DIR holds the spoken narrations (NAME.wav, as
// espeak-ng writes them) of the sound videos; a sound video without one gets a
// plain tone instead.

#include "animations.h"
#include "aviwriter.h"
#include "drawings.h"
#include "specialpictures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>
#include <QtEndian>
#include <QtMath>
#include <cstdio>

namespace {

constexpr int framesPerSecond = 10;
constexpr QSize videoSize(256, 192);

struct Sound {
    int sampleRate = 0;
    QByteArray samples; // 16-bit mono
};

// The PCM data of a 16-bit mono WAV file, halved to save room when above 16 kHz.
Sound readWav(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray wav = file.readAll();
    if (wav.size() < 12 || !wav.startsWith("RIFF") || wav.mid(8, 4) != "WAVE")
        return {};
    Sound sound;
    int channels = 0, bits = 0;
    for (qsizetype at = 12; at + 8 <= wav.size();) {
        const QByteArray id = wav.mid(at, 4);
        qsizetype size = qFromLittleEndian<quint32>(wav.constData() + at + 4);
        // espeak-ng writing to a pipe leaves the data size unknown.
        if (id == "data" && (size == 0 || size > wav.size() - at - 8))
            size = wav.size() - at - 8;
        if (id == "fmt " && size >= 16) {
            channels = qFromLittleEndian<quint16>(wav.constData() + at + 10);
            sound.sampleRate = int(qFromLittleEndian<quint32>(wav.constData() + at + 12));
            bits = qFromLittleEndian<quint16>(wav.constData() + at + 22);
        } else if (id == "data") {
            sound.samples = wav.mid(at + 8, size & ~qsizetype(1));
        }
        at += 8 + size + (size % 2);
    }
    if (channels != 1 || bits != 16 || sound.sampleRate <= 0)
        return {};
    if (sound.sampleRate > 16000) {
        QByteArray half;
        const auto* s = reinterpret_cast<const qint16*>(sound.samples.constData());
        for (qsizetype i = 0; i + 1 < sound.samples.size() / 2; i += 2) {
            const qint16 v = qToLittleEndian(
                qint16((qFromLittleEndian(s[i]) + qFromLittleEndian(s[i + 1])) / 2));
            half.append(reinterpret_cast<const char*>(&v), 2);
        }
        sound.samples = half;
        sound.sampleRate /= 2;
    }
    return sound;
}

Sound tone(double seconds) {
    Sound sound{11025, {}};
    const int n = int(seconds * sound.sampleRate);
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / sound.sampleRate;
        const double envelope = std::exp(-6 * std::fmod(t, 0.5));
        const qint16 v = qToLittleEndian(qint16(6000 * envelope * std::sin(2 * M_PI * 440 * t)));
        sound.samples.append(reinterpret_cast<const char*>(&v), 2);
    }
    return sound;
}

QByteArray jpeg(const QImage& image, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", quality);
    return bytes;
}

constexpr qreal denseRatio = 2;

// NAME.ext → NAME@2x.ext, beside it.
QString densePath(const QString& out, const QString& file) {
    const QFileInfo info(file);
    return QDir(out).filePath(info.completeBaseName() + u"@2x."_qs + info.suffix());
}

QImage blankPicture(QSize size, qreal ratio) {
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

QImage frame(const QString& animation, double t, qreal ratio) {
    QImage image = blankPicture(videoSize, ratio);
    QPainter p(&image);
    drawFrame(p, videoSize, animation, t);
    return image;
}

bool makeVideo(const QString& out, const QStringList& fields, const QString& narrations) {
    const QString file = fields[1], still = fields[2], animation = fields[3];
    const bool withSound = fields[4] == u"son";
    Sound sound;
    if (withSound) {
        sound = readWav(QDir(narrations).filePath(QFileInfo(file).completeBaseName() + u".wav"_qs));
        if (sound.samples.isEmpty())
            sound = tone(4);
    }
    const double soundSeconds = withSound ? double(sound.samples.size() / 2) / sound.sampleRate : 0;
    const double seconds = std::clamp(soundSeconds + 0.5, 4.0, 9.0);
    AviMovie movie;
    movie.width = videoSize.width();
    movie.height = videoSize.height();
    movie.framesPerSecond = framesPerSecond;
    const int frames = int(seconds * framesPerSecond);
    for (int f = 0; f < frames; ++f)
        movie.jpegFrames.append(jpeg(frame(animation, double(f) / (frames - 1), 1), 55));
    if (withSound) {
        movie.sampleRate = sound.sampleRate;
        const qsizetype bytes = qsizetype(frames) * (sound.sampleRate / framesPerSecond) * 2;
        movie.samples = sound.samples.left(bytes);
        movie.samples.append(QByteArray(bytes - movie.samples.size(), '\0'));
    }
    return writeAvi(QDir(out).filePath(file), movie) &&
           frame(animation, 0, 1).save(QDir(out).filePath(still), "JPEG", 85) &&
           frame(animation, 0, denseRatio).save(densePath(out, still), "JPEG", 85);
}

QImage picture(const QStringList& fields, qreal ratio) {
    const QSize size(fields[2].toInt(), fields[3].toInt());
    QImage image = blankPicture(size, ratio);
    QPainter p(&image);
    drawPicture(p, size, fields[4], fields.value(5));
    return image;
}

bool makePicture(const QString& out, const QStringList& fields) {
    return picture(fields, 1).save(QDir(out).filePath(fields[1]), "JPEG", 85) &&
           picture(fields, denseRatio).save(densePath(out, fields[1]), "JPEG", 85);
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 4) {
        err << "usage: coursemedia MEDIA_LIST NARRATION_DIR OUT_DIR\n";
        return 2;
    }
    const QString list = QString::fromLocal8Bit(argv[1]);
    const QString narrations = QString::fromLocal8Bit(argv[2]);
    const QString out = QString::fromLocal8Bit(argv[3]);
    QDir().mkpath(out);
    QFile file(list);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        err << list << ": cannot be read\n";
        return 1;
    }
    int failures = 0;
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        const bool ok = fields[0] == u"video" && fields.size() == 5
                            ? makeVideo(out, fields, narrations)
                        : fields[0] == u"picture" && fields.size() >= 5 ? makePicture(out, fields)
                                                                        : false;
        if (!ok) {
            err << list << ": cannot make: " << line << '\n';
            ++failures;
        }
    }
    for (const NamedPicture& picture : specialPictures(1)) {
        if (!picture.image.save(QDir(out).filePath(picture.file))) {
            err << picture.file << ": cannot be written\n";
            ++failures;
        }
    }
    for (const NamedPicture& picture : specialPictures(denseRatio)) {
        if (!picture.image.save(densePath(out, picture.file))) {
            err << densePath(out, picture.file) << ": cannot be written\n";
            ++failures;
        }
    }
    return failures ? 1 : 0;
}
