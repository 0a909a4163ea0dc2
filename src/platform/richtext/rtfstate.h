#pragma once

#include <QList>
#include <QTextOption>

// The formatting an RTF group saves and restores.

struct RtfCharState {
    int font = -1;       // index in the font table; -1 until \f or \deff
    int halfPoints = 24; // \fs
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false; // \v
    int foreground = 0;  // \cf: colour table index, 0 for automatic
    int background = 0;  // \cb, \highlight
    enum Script { Normal, Super, Sub } script = Normal;
    int raiseHalfPoints = 0; // \up (positive), \dn (negative)

    bool operator==(const RtfCharState&) const = default;
};

struct RtfParagraphState {
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftIndent = 0; // twips
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    QList<QTextOption::Tab> tabs; // pixels
    QTextOption::TabType nextTabType = QTextOption::LeftTab;
};

enum class RtfDestination { Text, Skip, FontTable, ColourTable, Picture };

struct RtfGroupState {
    RtfCharState chars;
    RtfParagraphState paragraph;
    RtfDestination destination = RtfDestination::Text;
    int unicodeSkip = 1; // \uc
};
