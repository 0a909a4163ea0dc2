#pragma once

#include <QString>
#include <QTextStream>

// `coursepack try KEYWORD ANSWER`: how the test window would mark a typed answer.
// Prints the folded answer and "right" or "wrong"; returns whether it is right.
bool tryAnswer(const QString& motCle, const QString& answer, QTextStream& out);
