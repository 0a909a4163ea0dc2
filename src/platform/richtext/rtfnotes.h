#pragma once

#include "platform/richtext/rtfnumbering.h"

#include <QByteArrayView>
#include <QTextCursor>
#include <QTextDocument>

// The footnotes and endnotes of a document, gathered as they are read and shown
// after its text, the way a word processor prints them below a page's text.
class RtfNotes {
public:
    RtfNotes();

    // Applies a document or section word of the notes' numbering (\ftnstart,
    // \aftnnrlc…); false for a word that is none.
    bool numberingWord(QByteArrayView word, int parameter);

    // The mark of the next footnote (\chftn in the text), which the note read next
    // stands for.
    QString nextMark();
    // The note being read is an endnote (\ftnalt): its mark, numbered among the
    // endnotes. Without a mark of its own it takes no footnote's number.
    QString makeEndnote(bool marked);
    // The mark of the note being read (\chftn inside it).
    QString currentMark() const;

    // Where the next note's text goes: a paragraph of its own after the earlier notes.
    QTextCursor startNote();
    // Appends the notes after a separator line at the end of the cursor's document.
    void appendTo(QTextCursor& cursor);

private:
    struct Numbering {
        rtfnumbering::Style style;
        int start = 1;
        int count = 0;
    };

    QTextDocument notes;
    QTextCursor end;
    Numbering footnotes{rtfnumbering::Style::Decimal};
    Numbering endnotes{rtfnumbering::Style::LowerRoman};
    bool readingEndnote = false;
    bool empty = true;
};
