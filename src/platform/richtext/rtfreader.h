#pragma once

#include <QByteArray>

class QTextDocument;

// Reads RTF into a document, replacing its content. Damaged input gives the best
// document it can: it never fails, and its memory stays proportional to the input.
void readRtf(const QByteArray& rtf, QTextDocument& document);
