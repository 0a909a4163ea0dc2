#include "platform/richtext/rtfformatwords.h"

#include <algorithm>

bool applyCharacterWord(RtfCharState& chars, QByteArrayView word, bool hasParameter, int parameter,
                        int defaultFont) {
    const bool on = !hasParameter || parameter != 0;
    if (word == "plain") {
        chars = RtfCharState{};
        chars.font = defaultFont;
    } else if (word == "b") {
        chars.bold = on;
    } else if (word == "i") {
        chars.italic = on;
    } else if (word == "ul" || word == "uld" || word == "uldb" || word == "ulw" ||
               word == "uldash" || word == "ulth" || word == "ulwave") {
        chars.underline = on;
    } else if (word == "ulnone") {
        chars.underline = false;
    } else if (word == "strike" || word == "striked") {
        chars.strike = on;
    } else if (word == "v") {
        chars.hidden = on;
    } else if (word == "f") {
        chars.font = parameter;
    } else if (word == "fs") {
        chars.halfPoints = hasParameter ? std::clamp(parameter, 2, 3276) : 24;
    } else if (word == "cf") {
        chars.foreground = parameter;
    } else if (word == "cb" || word == "highlight" || word == "chcbpat") {
        chars.background = parameter;
    } else if (word == "super") {
        chars.script = RtfCharState::Super;
    } else if (word == "sub") {
        chars.script = RtfCharState::Sub;
    } else if (word == "nosupersub") {
        chars.script = RtfCharState::Normal;
    } else if (word == "up") {
        chars.raiseHalfPoints = std::clamp(hasParameter ? parameter : 6, -1000, 1000);
    } else if (word == "dn") {
        chars.raiseHalfPoints = -std::clamp(hasParameter ? parameter : 6, -1000, 1000);
    } else if (word == "caps") {
        chars.capitals = on;
    } else if (word == "scaps") {
        chars.smallCapitals = on;
    } else {
        return false;
    }
    return true;
}

bool applyParagraphWord(RtfParagraphState& paragraph, QByteArrayView word, bool hasParameter,
                        int parameter) {
    const int twips = std::clamp(parameter, -31680, 31680);
    if (word == "pard") {
        paragraph = RtfParagraphState{};
    } else if (word == "ql") {
        paragraph.alignment = Qt::AlignLeft;
    } else if (word == "qc") {
        paragraph.alignment = Qt::AlignHCenter;
    } else if (word == "qr") {
        paragraph.alignment = Qt::AlignRight;
    } else if (word == "qj") {
        paragraph.alignment = Qt::AlignJustify;
    } else if (word == "li") {
        paragraph.leftIndent = twips;
    } else if (word == "ri") {
        paragraph.rightIndent = twips;
    } else if (word == "fi") {
        paragraph.firstIndent = twips;
    } else if (word == "sb") {
        paragraph.spaceBefore = twips;
    } else if (word == "sa") {
        paragraph.spaceAfter = twips;
    } else if (word == "tqr") {
        paragraph.nextTabType = QTextOption::RightTab;
    } else if (word == "tqc") {
        paragraph.nextTabType = QTextOption::CenterTab;
    } else if (word == "tqdec") {
        paragraph.nextTabType = QTextOption::DelimiterTab;
    } else if ((word == "tx" || word == "tb") && hasParameter) {
        if (paragraph.tabs.size() < 64) {
            QTextOption::Tab tab(std::max(twips, 0) / rtfTwipsPerPixel, paragraph.nextTabType);
            if (tab.type == QTextOption::DelimiterTab)
                tab.delimiter = QChar(u',');
            paragraph.tabs.append(tab);
        }
        paragraph.nextTabType = QTextOption::LeftTab;
    } else {
        return false;
    }
    return true;
}
