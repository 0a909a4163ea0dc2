#pragma once

#include <QString>
#include <QTextStream>

// Prints the rich-text box's plain text of an RTF file as the navigator sees it, one
// line per break, each line led by the box position of its first character. A
// paragraph break (CR LF, two positions) ends its line with "¶", a manual line break
// (one position) with "↵"; a picture shows as "▣" and a tab as "→", one position each.
// False, with a message, when the file cannot be read as RTF.
bool printBoxText(const QString& path, QTextStream& out, QTextStream& err);
