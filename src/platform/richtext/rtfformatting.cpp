// Character and paragraph formatting, applied to the text as it goes in.

#include "platform/richtext/richtextformats.h"
#include "platform/richtext/rtfformatwords.h"
#include "platform/richtext/rtfreading.h"

#include <QTextBlock>
#include <algorithm>

namespace rtfreading {

namespace {

// Characters a QTextDocument reads as its own structure (blocks, frames, objects),
// and control characters: none of them may come from the text.
bool isStructuralCharacter(QChar c) {
    const char16_t code = c.unicode();
    return (code < 0x20 && code != u'\t') || code == QChar::ParagraphSeparator || code == 0xFDD0 ||
           code == 0xFDD1 || code == QChar::ObjectReplacementCharacter;
}

} // namespace

bool RtfReader::characterWord(QByteArrayView word, bool hasParameter, int parameter) {
    RtfCharState changed = state().chars;
    if (!applyCharacterWord(changed, word, hasParameter, parameter, defaultFont))
        return false;
    if (!(changed == state().chars)) {
        flush();
        state().chars = changed;
    }
    return true;
}

bool RtfReader::paragraphWord(QByteArrayView word, bool hasParameter, int parameter) {
    if (word == "par" || word == "sect" || word == "page") {
        endParagraph();
    } else if (word == "cell" || word == "nestcell") {
        cellSeparatorPending = true;
    } else if (word == "row" || word == "nestrow") {
        cellSeparatorPending = false;
        endParagraph();
    } else {
        return applyParagraphWord(state().paragraph, word, hasParameter, parameter);
    }
    return true;
}

// Called before every change of the character state, so the pending text is
// always in the current state.
void RtfReader::flush() {
    if (!pendingBytes.isEmpty()) {
        pendingText += decoders.decode(pendingBytes, codePage());
        pendingBytes.clear();
    }
    pendingText.removeIf(isStructuralCharacter);
    if (!pendingText.isEmpty()) {
        cursor.insertText(pendingText, characterFormat());
        pendingText.clear();
    }
}

QTextCharFormat RtfReader::characterFormat() {
    const RtfCharState& chars = state().chars;
    const auto built = builtFormats.constFind(chars);
    if (built != builtFormats.constEnd())
        return *built;
    QTextCharFormat format;
    const auto font = fonts.constFind(chars.font);
    // A Symbol run is already mapped to Unicode: the document's font shows it.
    if (font != fonts.constEnd() && !font->symbol && !font->name.isEmpty())
        format.setFontFamilies({font->name});
    const double points = chars.halfPoints / 2.0;
    format.setFontPointSize(points);
    format.setFontWeight(chars.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(chars.italic);
    format.setFontUnderline(chars.underline);
    format.setFontStrikeOut(chars.strike);
    if (chars.foreground > 0 && std::size_t(chars.foreground) < colours.size() &&
        colours[chars.foreground].isValid())
        format.setForeground(colours[chars.foreground]);
    if (chars.background > 0 && std::size_t(chars.background) < colours.size() &&
        colours[chars.background].isValid())
        format.setBackground(colours[chars.background]);
    if (chars.script == RtfCharState::Super)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (chars.script == RtfCharState::Sub)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (chars.capitals)
        format.setFontCapitalization(QFont::AllUppercase);
    else if (chars.smallCapitals)
        format.setFontCapitalization(QFont::SmallCaps);
    if (chars.raiseHalfPoints != 0) {
        format.setProperty(richtextformats::charOffsetProperty, chars.raiseHalfPoints * 10);
        format.setBaselineOffset(chars.raiseHalfPoints / 2.0 / points * 100.0);
    }
    builtFormats.insert(chars, format);
    return format;
}

QTextBlockFormat RtfReader::blockFormat() const {
    const RtfParagraphState& paragraph = state().paragraph;
    QTextBlockFormat block;
    block.setAlignment(paragraph.alignment);
    block.setLeftMargin(std::max(paragraph.leftIndent, 0) / rtfTwipsPerPixel);
    block.setRightMargin(std::max(paragraph.rightIndent, 0) / rtfTwipsPerPixel);
    block.setTextIndent(paragraph.firstIndent / rtfTwipsPerPixel);
    block.setTopMargin(std::max(paragraph.spaceBefore, 0) / rtfTwipsPerPixel);
    block.setBottomMargin(std::max(paragraph.spaceAfter, 0) / rtfTwipsPerPixel);
    block.setTabPositions(paragraph.tabs);
    return block;
}

// The paragraph's own format is set when it ends, from the state then in force,
// so nothing of the previous paragraph carries over.
void RtfReader::endParagraph() {
    if (state().destination != RtfDestination::Text)
        return;
    cellSeparatorPending = false;
    flush();
    setParagraphFormat(true);
    cursor.insertBlock(blockFormat(), characterFormat());
}

// An empty paragraph left open at the end of the text or of a note is no list item.
void RtfReader::setParagraphFormat(bool ended) {
    QTextBlockFormat block = blockFormat();
    if (ended || cursor.block().length() > 1) {
        RtfListMarkers& markers = state().inNote ? noteListMarkers : listMarkers;
        markers.endParagraph(state().paragraph.numbering, markerWritten, block);
    }
    markerWritten = false;
    cursor.setBlockFormat(block);
}

} // namespace rtfreading
