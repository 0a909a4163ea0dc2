// The font and colour tables, and the code page the text is read in.

#include "platform/richtext/rtfreading.h"

#include <algorithm>

namespace rtfreading {

namespace {

constexpr int largestColourTable = 4096;

} // namespace

void RtfReader::fontTableWord(const RtfToken& token) {
    if (token.word == "f" && token.hasParameter) {
        fontBeingDefined = token.parameter;
        fonts[fontBeingDefined];
    } else if (token.word == "fcharset" && fontBeingDefined >= 0) {
        fonts[fontBeingDefined].charset = token.parameter;
    }
}

void RtfReader::colourTableWord(QByteArrayView word, int parameter) {
    const int component = std::clamp(parameter, 0, 255);
    if (word == "red" || word == "green" || word == "blue") {
        if (!colourComponentSeen)
            colourBeingDefined = QColor(0, 0, 0);
        colourComponentSeen = true;
        if (word == "red")
            colourBeingDefined.setRed(component);
        else if (word == "green")
            colourBeingDefined.setGreen(component);
        else
            colourBeingDefined.setBlue(component);
    }
}

void RtfReader::fontTableText(QByteArrayView bytes) {
    if (fontBeingDefined < 0)
        return;
    builtFormats.clear();
    FontEntry& font = fonts[fontBeingDefined];
    for (char byte : bytes) {
        if (byte == ';') {
            font.name = font.name.trimmed();
            font.symbol =
                font.charset == 2 || font.name.compare(u"Symbol", Qt::CaseInsensitive) == 0;
            fontBeingDefined = -1;
            return;
        }
        if (font.name.size() < 64)
            font.name += QChar::fromLatin1(byte);
    }
}

void RtfReader::colourTableText(QByteArrayView bytes) {
    builtFormats.clear();
    for (char byte : bytes) {
        if (byte != ';' || colours.size() >= largestColourTable)
            continue;
        colours.push_back(colourComponentSeen ? colourBeingDefined : QColor());
        colourComponentSeen = false;
    }
}

int RtfReader::codePage() const {
    const auto it = fonts.constFind(state().chars.font);
    if (it == fonts.constEnd())
        return documentCodePage;
    if (it->symbol)
        return rtfcharsets::symbolCodePage;
    return rtfcharsets::codePageOfCharset(it->charset, documentCodePage);
}

bool RtfReader::inSymbolFont() const {
    const auto it = fonts.constFind(state().chars.font);
    return it != fonts.constEnd() && it->symbol;
}

} // namespace rtfreading
