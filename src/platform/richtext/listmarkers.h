#pragma once

class QPainter;
class QRectF;
class QTextDocument;

// Draws the generated list markers of a document's paragraphs (see richtextformats.h)
// that meet the visible part of it, given in document coordinates.
void paintListMarkers(QPainter& painter, const QTextDocument& document, const QRectF& visible);
