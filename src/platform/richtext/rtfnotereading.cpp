// Footnotes and endnotes: their marks in the page and their text among the notes.

#include "platform/richtext/rtfreading.h"

namespace rtfreading {

// A note's mark, numbered as the word processor numbers its notes, and raised
// when the text around it is not.
void RtfReader::insertNoteMark() {
    if (state().destination != RtfDestination::Text || state().chars.hidden)
        return;
    const QString mark = state().inNote ? notes.currentMark() : notes.nextMark();
    flush();
    const RtfCharState around = state().chars;
    if (around.script == RtfCharState::Normal && around.raiseHalfPoints == 0)
        state().chars.script = RtfCharState::Super;
    for (QChar c : mark)
        character(c);
    flush();
    if (!state().inNote) {
        // An endnote's mark is numbered again once its note says what it is.
        textMark = cursor;
        textMark.setPosition(cursor.position() - mark.size(), QTextCursor::KeepAnchor);
        textMark.setKeepPositionOnInsert(true);
        textMarkFormat = characterFormat();
    }
    state().chars = around;
}

void RtfReader::makeEndnote() {
    if (!state().inNote)
        return;
    const QString mark = notes.makeEndnote(!noteMark.isNull());
    if (!noteMark.isNull())
        noteMark.insertText(mark, noteMarkFormat);
    noteMark = QTextCursor();
}

// A note's text goes to the notes, in a paragraph of its own; the page's text
// resumes where it was when the note ends.
void RtfReader::startNote() {
    flush();
    textCursor = cursor;
    textCellSeparatorPending = cellSeparatorPending;
    textMarkerWritten = markerWritten;
    noteMark = textMark;
    noteMarkFormat = textMarkFormat;
    textMark = QTextCursor();
    cursor = notes.startNote();
    cellSeparatorPending = false;
    markerWritten = false;
}

void RtfReader::endNote() {
    flush();
    setParagraphFormat(false);
    cursor = textCursor;
    cellSeparatorPending = textCellSeparatorPending;
    markerWritten = textMarkerWritten;
}

} // namespace rtfreading
