// The text of each destination, and the characters control words stand for.

#include "platform/richtext/rtfreading.h"

namespace rtfreading {

void RtfReader::textBytes(QByteArrayView bytes) {
    switch (state().destination) {
    case RtfDestination::Text:
        if (state().chars.hidden || bytes.isEmpty())
            return;
        startCellText();
        pendingBytes.append(bytes);
        return;
    case RtfDestination::FontTable:
        fontTableText(bytes);
        return;
    case RtfDestination::ColourTable:
        colourTableText(bytes);
        return;
    case RtfDestination::Picture:
        picture.appendHex(bytes);
        return;
    case RtfDestination::NumberingBefore:
        numberingBeingDefined.before += decoders.decode(bytes, codePage());
        return;
    case RtfDestination::NumberingAfter:
        numberingBeingDefined.after += decoders.decode(bytes, codePage());
        return;
    default:
        return;
    }
}

bool RtfReader::specialCharacterWord(QByteArrayView word, int parameter) {
    static const struct {
        QByteArrayView word;
        char16_t character;
    } characters[] = {
        {"line", QChar::LineSeparator}, {"tab", u'\t'},           {"emdash", u'\u2014'},
        {"endash", u'\u2013'},          {"lquote", u'\u2018'},    {"rquote", u'\u2019'},
        {"ldblquote", u'\u201C'},       {"rdblquote", u'\u201D'}, {"bullet", u'\u2022'},
        {"emspace", u'\u2003'},         {"enspace", u'\u2002'},   {"qmspace", u'\u2005'},
    };
    if (word == "u") {
        unicodeCharacter(parameter);
        return true;
    }
    if (word == "chftn") {
        insertNoteMark();
        return true;
    }
    for (const auto& entry : characters) {
        if (entry.word == word) {
            character(QChar(entry.character));
            return true;
        }
    }
    return false;
}

void RtfReader::unicodeCharacter(int value) {
    skipAfterUnicode = state().unicodeSkip;
    if (value < 0)
        value += 65536;
    if (value <= 0 || value > 0xFFFF)
        return;
    if (inSymbolFont() && value >= 0xF020 && value <= 0xF0FF) {
        const char16_t mapped = rtfcharsets::symbolCharacter(value - 0xF000);
        if (mapped != 0)
            character(QChar(mapped));
        return;
    }
    character(QChar(value));
}

void RtfReader::character(QChar c) {
    if (state().destination == RtfDestination::NumberingBefore)
        numberingBeingDefined.before += c;
    if (state().destination == RtfDestination::NumberingAfter)
        numberingBeingDefined.after += c;
    if (state().destination != RtfDestination::Text || state().chars.hidden)
        return;
    startCellText();
    if (!pendingBytes.isEmpty()) {
        pendingText += decoders.decode(pendingBytes, codePage());
        pendingBytes.clear();
    }
    pendingText += c;
}

// A cell ended: its separator goes in only when more text follows in the row.
void RtfReader::startCellText() {
    if (!cellSeparatorPending)
        return;
    cellSeparatorPending = false;
    character(QChar(u'\t'));
}

} // namespace rtfreading
