#include "tools/coursepack/printtext.h"

#include "platform/richtext/boxtext.h"
#include "platform/richtext/rtfreader.h"

#include <QTextDocument>

bool printBoxText(const QString& path, QTextStream& out, QTextStream& err) {
    QTextDocument document;
    if (!readRtfFile(path, document)) {
        err << path << ": not a readable RTF file\n";
        return false;
    }
    const QString text = boxtext::plainText(document);
    QString line;
    int lineStart = 0;
    auto endLine = [&](QStringView marker, int next) {
        out << QStringLiteral("%1  ").arg(lineStart, 6) << line << marker << '\n';
        line.clear();
        lineStart = next;
    };
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            endLine(u"¶", i + 2);
            ++i;
        } else if (c == boxtext::lineBreak) {
            endLine(u"↵", i + 1);
        } else if (c == QChar::ObjectReplacementCharacter) {
            line += u'▣';
        } else if (c == u'\t') {
            line += u'→';
        } else {
            line += c;
        }
    }
    endLine(u"", text.size());
    return true;
}
