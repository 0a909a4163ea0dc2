#pragma once

#include "platform/richtext/rtfnumbering.h"

#include <QHashFunctions>
#include <QList>
#include <QTextOption>

// The formatting an RTF group saves and restores.

inline constexpr double rtfTwipsPerPixel = 15.0;

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
    int raiseHalfPoints = 0;    // \up (positive), \dn (negative)
    bool capitals = false;      // \caps: shown in capitals, stored as written
    bool smallCapitals = false; // \scaps

    bool operator==(const RtfCharState&) const = default;
};

inline size_t qHash(const RtfCharState& s, size_t seed = 0) {
    return qHashMulti(seed, s.font, s.halfPoints, s.bold, s.italic, s.underline, s.strike, s.hidden,
                      s.foreground, s.background, s.script, s.raiseHalfPoints, s.capitals,
                      s.smallCapitals);
}

struct RtfParagraphState {
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftIndent = 0; // twips
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    QList<QTextOption::Tab> tabs; // pixels
    QTextOption::TabType nextTabType = QTextOption::LeftTab;
    RtfNumbering numbering;
};

enum class RtfDestination {
    Text,
    Skip,
    FontTable,
    ColourTable,
    Picture,
    Numbering,       // {\*\pn …}
    NumberingBefore, // {\pntxtb …} inside it
    NumberingAfter,  // {\pntxta …}
    NestedRow,       // {\*\nesttableprops …}, which ends a nested row
};

struct RtfGroupState {
    RtfCharState chars;
    RtfParagraphState paragraph;
    RtfDestination destination = RtfDestination::Text;
    int unicodeSkip = 1; // \uc
    bool inNote = false; // inside {\footnote …}
};
