#include "quiz/statementrange.h"

QString startMarker(int n) {
    return QStringLiteral("#RP-%1").arg(n, 2, 10, QChar(u'0'));
}

std::optional<StatementRange> statementRange(const QString& plainText, int n) {
    const QString marker = startMarker(n);
    const qsizetype start = plainText.indexOf(marker, 0, Qt::CaseInsensitive);
    if (start < 0)
        return std::nullopt;
    const qsizetype end = plainText.indexOf(endMarker, start + 1, Qt::CaseInsensitive);
    if (end < 0)
        return std::nullopt;
    // "#RP-100" is one character longer than the others.
    const qsizetype first = start + marker.size() + 2;
    if (end < first)
        return std::nullopt;
    return StatementRange{first, end - first};
}
