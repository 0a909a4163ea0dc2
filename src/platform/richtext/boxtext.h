#pragma once

#include <QString>

class QTextDocument;

// The box's plain text of a document and the conversion between its positions and
// QTextCursor positions (see RichTextBox for how breaks and pictures count).
namespace boxtext {

inline constexpr QChar lineBreak = QChar(0x0B);

QString plainText(const QTextDocument& document);
int toCursorPosition(const QTextDocument& document, int boxPosition);
int toBoxPosition(const QTextDocument& document, int cursorPosition);

// Box text inserted by a caller, in the form QTextCursor::insertText expects.
QString toCursorText(const QString& boxText);

int find(const QString& haystack, const QString& needle, int start, bool wholeWord);

} // namespace boxtext
