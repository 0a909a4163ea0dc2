#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Every text on disc (records, test files, rich-text pages) is Windows-1252.
namespace windows1252 {

QString decode(const QByteArray& bytes);

// None when a character has no Windows-1252 byte: the caller refuses the text
// rather than store a substitute.
std::optional<QByteArray> encode(const QString& text);

} // namespace windows1252
