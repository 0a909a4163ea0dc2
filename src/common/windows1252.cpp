#include "common/windows1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace windows1252 {

QString decode(const QByteArray& bytes) {
    QStringDecoder decoder("windows-1252");
    return decoder.decode(bytes);
}

std::optional<QByteArray> encode(const QString& text) {
    QStringEncoder encoder("windows-1252");
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

} // namespace windows1252
