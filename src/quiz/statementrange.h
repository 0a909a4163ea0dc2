#pragma once

#include <QString>
#include <optional>

// Where question n's statement lies in the plain text of the question document:
// after the start marker "#RP-nn" (n with at least two digits, on a line of its
// own) and before the next end marker "#-o-O-o-#", both found ignoring case.

struct StatementRange {
    qsizetype start = 0;
    qsizetype length = 0;
};

QString startMarker(int n);
inline const QString endMarker = QStringLiteral("#-o-O-o-#");

// The statement begins after the marker and the two characters of a CR LF line
// break, whatever break follows the marker. None when a marker is missing, or when
// the end marker falls inside what is skipped.
std::optional<StatementRange> statementRange(const QString& plainText, int n);
