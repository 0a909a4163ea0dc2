#include "platform/richtext/rtfreader.h"

#include <QTextCursor>
#include <QTextDocument>

void readRtf(const QByteArray& rtf, QTextDocument& document) {
    document.clear();
    QTextCursor(&document).insertText(QString::fromLatin1(rtf));
}
