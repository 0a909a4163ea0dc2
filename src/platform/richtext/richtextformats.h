#pragma once

#include <QTextFormat>

// Properties the box keeps in its character formats beside Qt's own.
namespace richtextformats {

inline constexpr int imageProperty = QTextFormat::UserProperty + 1;
// The baseline offset as written, in twips (positive raises).
inline constexpr int charOffsetProperty = QTextFormat::UserProperty + 2;

} // namespace richtextformats
