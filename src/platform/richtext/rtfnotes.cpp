#include "platform/richtext/rtfnotes.h"

#include "platform/richtext/embeddedimages.h"

#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextLength>
#include <algorithm>

RtfNotes::RtfNotes() : end(&notes) {}

bool RtfNotes::numberingWord(QByteArrayView word, int parameter) {
    if (word.startsWith("s"))
        word = word.sliced(1); // the section's own setting
    Numbering& numbering = word.startsWith("a") ? endnotes : footnotes;
    if (word.startsWith("a"))
        word = word.sliced(1);
    if (word == "ftnstart") {
        numbering.start = std::clamp(parameter, 1, 32767);
        return true;
    }
    const auto style = rtfnumbering::footnoteStyle(word);
    if (style)
        numbering.style = *style;
    return style.has_value();
}

QString RtfNotes::nextMark() {
    footnotes.count = std::min(footnotes.count + 1, 1 << 24);
    readingEndnote = false;
    return currentMark();
}

QString RtfNotes::makeEndnote(bool marked) {
    if (marked && !readingEndnote)
        footnotes.count = std::max(footnotes.count - 1, 0);
    if (!readingEndnote)
        endnotes.count = std::min(endnotes.count + 1, 1 << 24);
    readingEndnote = true;
    return currentMark();
}

QString RtfNotes::currentMark() const {
    const Numbering& numbering = readingEndnote ? endnotes : footnotes;
    return rtfnumbering::number(numbering.start + std::max(numbering.count, 1) - 1,
                                numbering.style);
}

QTextCursor RtfNotes::startNote() {
    readingEndnote = false;
    end.movePosition(QTextCursor::End);
    if (!empty)
        end.insertBlock();
    empty = false;
    return end;
}

void RtfNotes::appendTo(QTextCursor& cursor) {
    if (empty)
        return;
    cursor.movePosition(QTextCursor::End);
    if (cursor.block().length() > 1)
        cursor.insertBlock(QTextBlockFormat());
    // A short line above the notes, as printed pages separate them from the text.
    QTextBlockFormat separator;
    separator.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth,
                          QTextLength(QTextLength::PercentageLength, 33));
    cursor.setBlockFormat(separator);
    cursor.insertBlock(QTextBlockFormat());
    const int from = cursor.position();
    cursor.insertFragment(QTextDocumentFragment(&notes));
    embeddedimages::restore(*cursor.document(), from, cursor.position());
}
