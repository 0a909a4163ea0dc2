#include "common/windows1252.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <array>

namespace windows1252 {

namespace {

// The character of each byte, asked of the converter once: setting a converter up
// costs far more than decoding one record. Windows-1252 decodes byte by byte.
struct ByteTable {
    std::array<QChar, 256> characters;
    bool oneCharacterEach = true;

    ByteTable() {
        QStringDecoder decoder("windows-1252");
        for (int byte = 0; byte < 256; ++byte) {
            const QString decoded = decoder.decode(QByteArray(1, char(byte)));
            oneCharacterEach = oneCharacterEach && decoded.size() == 1;
            characters[byte] = decoded.isEmpty() ? QChar() : decoded.front();
        }
    }
};

} // namespace

QString decode(const QByteArray& bytes) {
    static const ByteTable table;
    if (!table.oneCharacterEach) {
        QStringDecoder decoder("windows-1252");
        return decoder.decode(bytes);
    }
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes)
        *out++ = table.characters[static_cast<unsigned char>(byte)];
    return text;
}

std::optional<QByteArray> encode(const QString& text) {
    QStringEncoder encoder("windows-1252");
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

} // namespace windows1252
