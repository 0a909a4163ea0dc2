#pragma once

#include <QImage>
#include <QString>

class QTextCharFormat;
class QTextCursor;
class QTextDocument;
class QTextImageFormat;

// Pictures live in a document's resources, which a QTextDocumentFragment does not
// carry. Each picture's format therefore also holds the image itself, so a document
// receiving a fragment can register the pictures again.
namespace embeddedimages {

// Inserts a picture of the given size in pixels at the cursor, in the character
// format of the text around it.
void insert(QTextCursor& cursor, const QImage& image, int width, int height,
            const QTextCharFormat& around);

// Registers the pictures between two cursor positions in their document.
void restore(QTextDocument& document, int from, int to);

} // namespace embeddedimages
