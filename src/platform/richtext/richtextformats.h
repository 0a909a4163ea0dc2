#pragma once

#include <QTextFormat>

// Properties the box keeps in its character formats beside Qt's own.
namespace richtextformats {

inline constexpr int imageProperty = QTextFormat::UserProperty + 1;
// The baseline offset as written, in twips (positive raises).
inline constexpr int charOffsetProperty = QTextFormat::UserProperty + 2;
// A paragraph's generated list marker (a string), drawn beside it and not part of its
// text, and where it starts: pixels from the paragraph's left margin.
inline constexpr int listMarkerProperty = QTextFormat::UserProperty + 3;
inline constexpr int listMarkerIndentProperty = QTextFormat::UserProperty + 4;

} // namespace richtextformats
