#include "platform/richtext/rtfnotes.h"

#include "platform/richtext/embeddedimages.h"

#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextLength>
#include <algorithm>

RtfNotes::RtfNotes() : end(&notes) {}

QString RtfNotes::nextMark() {
    count = std::min(count + 1, 1 << 24);
    return currentMark();
}

QString RtfNotes::currentMark() const {
    return rtfnumbering::number(start + std::max(count, 1) - 1, style_);
}

void RtfNotes::setStart(int value) {
    start = std::clamp(value, 1, 32767);
}

QTextCursor RtfNotes::startNote() {
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
