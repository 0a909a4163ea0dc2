#include "platform/richtext/boxtext.h"

#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>

namespace boxtext {

QString plainText(const QTextDocument& document) {
    QString text;
    text.reserve(document.characterCount() + document.blockCount());
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin())
            text += u"\r\n";
        QString line = block.text();
        line.replace(QChar::LineSeparator, lineBreak);
        text += line;
    }
    return text;
}

// Block b starts at cursor position p and at box position p + b: every earlier
// break is one cursor character but two box characters.
int toBoxPosition(const QTextDocument& document, int cursorPosition) {
    const int last = document.characterCount() - 1;
    cursorPosition = std::clamp(cursorPosition, 0, last);
    return cursorPosition + document.findBlock(cursorPosition).blockNumber();
}

int toCursorPosition(const QTextDocument& document, int boxPosition) {
    if (boxPosition <= 0)
        return 0;
    int low = 0;
    int high = document.blockCount() - 1;
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        const int start = document.findBlockByNumber(middle).position() + middle;
        if (start <= boxPosition)
            low = middle;
        else
            high = middle - 1;
    }
    const QTextBlock block = document.findBlockByNumber(low);
    const int offset = boxPosition - (block.position() + low);
    const int textLength = block.length() - 1;
    if (offset <= textLength)
        return block.position() + offset;
    // Between CR and LF, or past the end.
    return block.next().isValid() ? block.next().position() : block.position() + textLength;
}

QString toCursorText(const QString& boxText) {
    QString text = boxText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar(u'\r'), QChar(u'\n'));
    text.replace(lineBreak, QChar::LineSeparator);
    return text;
}

namespace {

bool isWordCharacter(const QString& text, int index) {
    return index >= 0 && index < text.size() && text[index].isLetterOrNumber();
}

} // namespace

int find(const QString& haystack, const QString& needle, int start, bool wholeWord) {
    if (needle.isEmpty() || start >= haystack.size())
        return -1;
    int from = std::max(start, 0);
    while (true) {
        const int found = haystack.indexOf(needle, from, Qt::CaseInsensitive);
        if (found < 0)
            return -1;
        if (!wholeWord || (!isWordCharacter(haystack, found - 1) &&
                           !isWordCharacter(haystack, found + needle.size())))
            return found;
        from = found + 1;
    }
}

} // namespace boxtext
