#pragma once

#include "platform/richtext/rtfnumbering.h"

#include <QTextCursor>
#include <QTextDocument>

// The footnotes of a document, gathered as they are read and shown after its text,
// the way a word processor prints them at the foot of the page.
class RtfNotes {
public:
    RtfNotes();

    // The mark of the next note (\chftn in the text), which it then stands for.
    QString nextMark();
    // The mark of the note being read (\chftn inside it).
    QString currentMark() const;

    void setStyle(rtfnumbering::Style style) { style_ = style; }
    void setStart(int start);

    // Where the next note's text goes: a paragraph of its own after the earlier notes.
    QTextCursor startNote();
    // Appends the notes after a separator line at the end of the cursor's document.
    void appendTo(QTextCursor& cursor);

private:
    QTextDocument notes;
    QTextCursor end;
    rtfnumbering::Style style_ = rtfnumbering::Style::Decimal;
    int start = 1;
    int count = 0;
    bool empty = true;
};
