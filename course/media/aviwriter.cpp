#include "aviwriter.h"

#include <QFile>
#include <algorithm>

namespace {

class Riff {
public:
    void fourcc(const char* code) { data.append(code, 4); }
    void u16(quint32 v) {
        for (int i = 0; i < 2; ++i)
            data.append(char((v >> (8 * i)) & 0xff));
    }
    void u32(quint32 v) {
        for (int i = 0; i < 4; ++i)
            data.append(char((v >> (8 * i)) & 0xff));
    }
    // Opens a chunk (or a LIST when listType is given); returns where its size goes.
    qsizetype open(const char* code, const char* listType = nullptr) {
        fourcc(code);
        const qsizetype at = data.size();
        u32(0);
        if (listType)
            fourcc(listType);
        return at;
    }
    void close(qsizetype at) {
        const quint32 size = quint32(data.size() - at - 4);
        for (int i = 0; i < 4; ++i)
            data[at + i] = char((size >> (8 * i)) & 0xff);
        if (data.size() % 2)
            data.append('\0');
    }
    QByteArray data;
};

struct IndexEntry {
    const char* code;
    quint32 offset;
    quint32 size;
};

} // namespace

bool writeAvi(const QString& path, const AviMovie& movie) {
    const bool sound = movie.sampleRate > 0;
    const quint32 frames = quint32(movie.jpegFrames.size());
    const quint32 bytesPerFrameOfSound =
        sound ? quint32(movie.sampleRate / movie.framesPerSecond) * 2 : 0;
    qsizetype largestFrame = 0;
    for (const QByteArray& f : movie.jpegFrames)
        largestFrame = std::max(largestFrame, f.size());

    Riff avi;
    const qsizetype riff = avi.open("RIFF", "AVI ");
    const qsizetype hdrl = avi.open("LIST", "hdrl");
    const qsizetype avih = avi.open("avih");
    avi.u32(1000000 / movie.framesPerSecond);
    avi.u32(quint32(largestFrame * movie.framesPerSecond + movie.sampleRate * 2));
    avi.u32(0);
    avi.u32(0x10); // has an index
    avi.u32(frames);
    avi.u32(0);
    avi.u32(sound ? 2 : 1);
    avi.u32(quint32(largestFrame));
    avi.u32(quint32(movie.width));
    avi.u32(quint32(movie.height));
    for (int i = 0; i < 4; ++i)
        avi.u32(0);
    avi.close(avih);

    const qsizetype video = avi.open("LIST", "strl");
    const qsizetype vstrh = avi.open("strh");
    avi.fourcc("vids");
    avi.fourcc("MJPG");
    avi.u32(0);
    avi.u16(0);
    avi.u16(0);
    avi.u32(0);
    avi.u32(1);
    avi.u32(quint32(movie.framesPerSecond));
    avi.u32(0);
    avi.u32(frames);
    avi.u32(quint32(largestFrame));
    avi.u32(0xffffffff);
    avi.u32(0);
    avi.u16(0);
    avi.u16(0);
    avi.u16(quint32(movie.width));
    avi.u16(quint32(movie.height));
    avi.close(vstrh);
    const qsizetype vstrf = avi.open("strf");
    avi.u32(40);
    avi.u32(quint32(movie.width));
    avi.u32(quint32(movie.height));
    avi.u16(1);
    avi.u16(24);
    avi.fourcc("MJPG");
    avi.u32(quint32(movie.width * movie.height * 3));
    for (int i = 0; i < 4; ++i)
        avi.u32(0);
    avi.close(vstrf);
    avi.close(video);

    if (sound) {
        const qsizetype audio = avi.open("LIST", "strl");
        const qsizetype astrh = avi.open("strh");
        avi.fourcc("auds");
        avi.u32(0);
        avi.u32(0);
        avi.u16(0);
        avi.u16(0);
        avi.u32(0);
        avi.u32(2);                             // block size
        avi.u32(quint32(movie.sampleRate * 2)); // bytes per second
        avi.u32(0);
        avi.u32(quint32(movie.samples.size() / 2));
        avi.u32(bytesPerFrameOfSound);
        avi.u32(0xffffffff);
        avi.u32(2);
        for (int i = 0; i < 4; ++i)
            avi.u16(0);
        avi.close(astrh);
        const qsizetype astrf = avi.open("strf");
        avi.u16(1); // PCM
        avi.u16(1);
        avi.u32(quint32(movie.sampleRate));
        avi.u32(quint32(movie.sampleRate * 2));
        avi.u16(2);
        avi.u16(16);
        avi.u16(0);
        avi.close(astrf);
        avi.close(audio);
    }
    avi.close(hdrl);

    QList<IndexEntry> index;
    const qsizetype movi = avi.open("LIST", "movi");
    const qsizetype moviStart = movi + 4; // offsets count from the "movi" code
    qsizetype soundAt = 0;
    for (quint32 f = 0; f < frames; ++f) {
        const QByteArray& jpeg = movie.jpegFrames[qsizetype(f)];
        index.append({"00dc", quint32(avi.data.size() - moviStart), quint32(jpeg.size())});
        const qsizetype chunk = avi.open("00dc");
        avi.data.append(jpeg);
        avi.close(chunk);
        if (sound && soundAt < movie.samples.size()) {
            const qsizetype n = std::min<qsizetype>(f + 1 == frames ? movie.samples.size() - soundAt
                                                                    : bytesPerFrameOfSound,
                                                    movie.samples.size() - soundAt);
            index.append({"01wb", quint32(avi.data.size() - moviStart), quint32(n)});
            const qsizetype schunk = avi.open("01wb");
            avi.data.append(movie.samples.mid(soundAt, n));
            avi.close(schunk);
            soundAt += n;
        }
    }
    avi.close(movi);

    const qsizetype idx1 = avi.open("idx1");
    for (const IndexEntry& e : index) {
        avi.fourcc(e.code);
        avi.u32(0x10); // every picture is a key frame
        avi.u32(e.offset);
        avi.u32(e.size);
    }
    avi.close(idx1);
    avi.close(riff);

    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(avi.data) == avi.data.size();
}
