#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

// Reads RTF into a document, replacing its content. Damaged input gives the best
// document it can: it never fails, and its memory stays proportional to the input.
void readRtf(const QByteArray& rtf, QTextDocument& document);

// Reads an RTF file. A missing, unreadable or non-RTF file gives false and an empty
// document.
bool readRtfFile(const QString& path, QTextDocument& document);
