#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <unordered_map>

// The code pages of RTF text: a font's \fcharset picks one, 0 and 1 mean the
// document's \ansicpg, 2 means the Symbol font's own encoding.
namespace rtfcharsets {

inline constexpr int symbolCodePage = -2;
inline constexpr int defaultCodePage = 1252;

// The code page of a \fcharset value; documentCodePage for the ANSI and default sets.
int codePageOfCharset(int charset, int documentCodePage);

// The Unicode character a byte of the Symbol font shows.
char16_t symbolCharacter(unsigned char byte);

// Decodes bytes of one code page, keeping one decoder per code page.
class Decoders {
public:
    QString decode(QByteArrayView bytes, int codePage);

private:
    std::unordered_map<int, QStringDecoder> decoders;
};

} // namespace rtfcharsets
