#pragma once

// The reader behind readRtf, shared by the files that read each kind of control word:
// groups and destinations, text and special characters, the font and colour tables,
// character and paragraph formatting, notes and pictures.

#include "platform/richtext/rtfcharsets.h"
#include "platform/richtext/rtfnotes.h"
#include "platform/richtext/rtfnumbering.h"
#include "platform/richtext/rtfpicture.h"
#include "platform/richtext/rtfstate.h"
#include "platform/richtext/rtftokenizer.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QTextCursor>
#include <vector>

namespace rtfreading {

struct FontEntry {
    QString name;
    int charset = 0;
    bool symbol = false;
};

class RtfReader {
public:
    explicit RtfReader(QTextDocument& document) : cursor(&document) {
        placeholder = QImage(1, 1, QImage::Format_ARGB32);
        placeholder.fill(Qt::transparent);
    }

    void read(QByteArrayView rtf);

private:
    RtfGroupState& state() { return groups.back(); }
    const RtfGroupState& state() const { return groups.back(); }

    void openGroup();
    void closeGroup();
    void controlWord(const RtfToken& token);
    void controlSymbol(char symbol);
    bool destinationWord(QByteArrayView word);
    void fontTableWord(const RtfToken& token);
    void colourTableWord(QByteArrayView word, int parameter);
    void pictureWord(QByteArrayView word, int value);
    void numberingDestinationWord(QByteArrayView word, int parameter);
    bool characterWord(QByteArrayView word, bool hasParameter, int parameter);
    bool paragraphWord(QByteArrayView word, bool hasParameter, int parameter);
    bool specialCharacterWord(QByteArrayView word, int parameter);
    void documentWord(QByteArrayView word, int parameter);
    void insertNoteMark();
    void makeEndnote();
    void startNote();
    void endNote();

    void textBytes(QByteArrayView bytes);
    void unicodeCharacter(int value);
    void character(QChar c);
    void fontTableText(QByteArrayView bytes);
    void colourTableText(QByteArrayView bytes);

    void changeCharacters();
    void flush();
    void endParagraph();
    void setParagraphFormat(bool ended);
    void startCellText();
    void finishPicture();
    QTextCharFormat characterFormat();
    QTextBlockFormat blockFormat() const;
    int codePage() const;
    bool inSymbolFont() const;

    QTextCursor cursor;
    std::vector<RtfGroupState> groups{RtfGroupState{}};
    std::size_t sharedLevels = 0;
    bool ignorableNext = false;
    int skipAfterUnicode = 0;

    int documentCodePage = rtfcharsets::defaultCodePage;
    int defaultFont = -1;
    QHash<int, FontEntry> fonts;
    int fontBeingDefined = -1;
    std::vector<QColor> colours; // invalid for automatic
    QColor colourBeingDefined;
    bool colourComponentSeen = false;

    QByteArray pendingBytes;
    QString pendingText;
    // Each character state's format, built once: a document switches between a few
    // states thousands of times. Cleared when a font or colour is defined.
    QHash<RtfCharState, QTextCharFormat> builtFormats;
    bool cellSeparatorPending = false;

    // The numbering of the old-style list paragraph being read.
    RtfNumbering numberingBeingDefined;
    bool markerWritten = false; // its marker is in its text (\pntext, \listtext)
    RtfListMarkers listMarkers;
    RtfListMarkers noteListMarkers;

    RtfNotes notes;
    // The page's text while a note is read.
    QTextCursor textCursor;
    bool textCellSeparatorPending = false;
    bool textMarkerWritten = false;
    // The last footnote mark in the page's text, and the mark of the note being read.
    QTextCursor textMark;
    QTextCharFormat textMarkFormat;
    QTextCursor noteMark;
    QTextCharFormat noteMarkFormat;

    RtfPicture picture;
    QImage placeholder;
    rtfcharsets::Decoders decoders;
};

} // namespace rtfreading
