#include "common/windows1252.h"

#include <algorithm>
#include <array>

namespace windows1252 {

namespace {

// Windows-1252 is Latin-1 but for the bytes 0x80 to 0x9F. Written out here: Qt's own
// converter for this code page loads the ICU library and its tables, two megabytes
// of memory and a slower start for a program that only reads its own course files.
// The five bytes the code page leaves undefined stand for the control characters of
// the same number, as the usual converters read them.
constexpr std::array<char16_t, 32> from0x80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool sameAsLatin1(char16_t character) {
    return character < 0x80 || (character >= 0xA0 && character <= 0xFF);
}

} // namespace

QString decode(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = QChar(sameAsLatin1(byte) ? char16_t(byte) : from0x80[byte - 0x80]);
    }
    return text;
}

std::optional<QByteArray> encode(const QString& text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar c : text) {
        const char16_t character = c.unicode();
        if (sameAsLatin1(character)) {
            *out++ = char(character);
            continue;
        }
        const auto found = std::find(from0x80.begin(), from0x80.end(), character);
        if (found == from0x80.end())
            return std::nullopt;
        *out++ = char(0x80 + (found - from0x80.begin()));
    }
    return bytes;
}

} // namespace windows1252
