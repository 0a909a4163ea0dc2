#pragma once

#include <QString>
#include <QTextStream>

// `coursepack dump FILE`: a record file printed readably, recognised by its
// signature; a file without a known one (the flag file) as numbered records.
void dumpRecordFile(const QString& path, QTextStream& out);

// A text as one visible line: carriage returns and line feeds shown as \r and \n.
QString visible(const QString& text);
