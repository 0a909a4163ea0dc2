#include "aviwriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

quint32 u32At(const QByteArray& data, qsizetype at) {
    return qFromLittleEndian<quint32>(data.constData() + at);
}

TEST(AviWriter, ChunksAndIndexAgree) {
    AviMovie movie;
    movie.width = 16;
    movie.height = 8;
    movie.framesPerSecond = 10;
    movie.jpegFrames = {QByteArray("abc"), QByteArray("defg"), QByteArray("h")}; // odd sizes pad
    movie.sampleRate = 1000;
    movie.samples = QByteArray(3 * 100 * 2, '\x01'); // 100 samples per picture
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("film.avi"));
    ASSERT_TRUE(writeAvi(path, movie));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray avi = file.readAll();

    ASSERT_TRUE(avi.startsWith("RIFF"));
    EXPECT_EQ(u32At(avi, 4), quint32(avi.size() - 8));
    EXPECT_EQ(avi.mid(8, 4), "AVI ");
    EXPECT_EQ(u32At(avi, avi.indexOf("avih") + 8 + 16), 3u);     // pictures
    EXPECT_EQ(u32At(avi, avi.indexOf("avih") + 8 + 24), 2u);     // streams
    EXPECT_EQ(avi.mid(avi.indexOf("strf") + 8 + 16, 4), "MJPG"); // compression

    const qsizetype movi = avi.indexOf("movi");
    const qsizetype idx1 = avi.indexOf("idx1");
    ASSERT_GT(movi, 0);
    ASSERT_GT(idx1, movi);
    const quint32 entries = u32At(avi, idx1 + 4) / 16;
    ASSERT_EQ(entries, 6u); // a picture and its sound, three times
    quint32 soundBytes = 0;
    QByteArray pictures;
    for (quint32 e = 0; e < entries; ++e) {
        const qsizetype at = idx1 + 8 + 16 * e;
        const QByteArray code = avi.mid(at, 4);
        const qsizetype chunk = movi + u32At(avi, at + 8);
        const quint32 size = u32At(avi, at + 12);
        EXPECT_EQ(avi.mid(chunk, 4), code) << e;
        EXPECT_EQ(u32At(avi, chunk + 4), size) << e;
        if (code == "00dc")
            pictures += avi.mid(chunk + 8, size);
        else
            soundBytes += size;
    }
    EXPECT_EQ(pictures, "abcdefgh");
    EXPECT_EQ(soundBytes, quint32(movie.samples.size()));
}

} // namespace
