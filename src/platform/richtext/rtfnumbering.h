#pragma once

#include <QByteArrayView>
#include <QString>
#include <array>
#include <optional>

class QTextBlockFormat;

// How a word processor writes the numbers of list items and of footnotes.
namespace rtfnumbering {

enum class Style { Decimal, LowerLetter, UpperLetter, LowerRoman, UpperRoman, Symbols, Bullet };

// The number value written in a style: 1, a, A, i, I, or the footnote symbols
// * † ‡ §, doubled past the fourth. A bullet has no number: empty.
QString number(int value, Style style);

// The numbering a notes control word sets (ftnnar…, once the section's s and the
// endnotes' a are taken off).
std::optional<Style> footnoteStyle(QByteArrayView word);

} // namespace rtfnumbering

// The old-style numbering of a paragraph (\pn…): its marker is generated from these
// settings, since a writer may leave out the marker's text (\pntext) of some items.
struct RtfNumbering {
    enum Level { None, Body, Bullet, Continue } level = None;
    rtfnumbering::Style style = rtfnumbering::Style::Decimal;
    int start = 1;
    QString before;  // \pntxtb
    QString after;   // \pntxta
    int indent = 0;  // \pnindent, twips
    int outline = 0; // \pnlvl1 to \pnlvl9; 0 for a body or bullet list

    bool operator==(const RtfNumbering&) const = default;
};

// Applies a control word of a {\*\pn …} group; false when it is none of its own.
bool applyNumberingWord(RtfNumbering& numbering, QByteArrayView word, int parameter);

// Numbers the paragraphs of old-style lists as they end. The marker is drawn by the
// box beside the paragraph, not written in its text, so no position moves.
class RtfListMarkers {
public:
    // Counts the paragraph as an item of its list and, unless its marker is written
    // in its text already, gives its format the generated marker.
    void endParagraph(const RtfNumbering& numbering, bool markerWritten, QTextBlockFormat& block);

private:
    struct Counter {
        RtfNumbering list; // the settings of the items counted so far
        int value = 0;
        bool counting = false;
    };
    std::array<Counter, 10> levels; // the body's list, then outline levels 1 to 9
};
