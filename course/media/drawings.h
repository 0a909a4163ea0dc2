#pragma once

#include <QColor>
#include <QPainter>
#include <QSize>
#include <QString>

// The course's illustrations, drawn at any size: laboratory glassware, atoms,
// molecules, spectra, planets… Each ends with its caption along the bottom edge.
void drawPicture(QPainter& p, QSize size, const QString& drawing, const QString& caption);

// Helpers shared by the pictures and the video frames.
QColor namedColour(const QString& name);
void drawBackground(QPainter& p, QSize size, QColor top, QColor bottom);
void drawCaption(QPainter& p, QSize size, const QString& caption);
// The glass of a prism with corners a, b, c, over the light already drawn.
void drawPrismGlass(QPainter& p, QPointF a, QPointF b, QPointF c);
// A beaker with its liquid, in the rectangle r; level from 0 (empty) to 1 (full).
void drawBeaker(QPainter& p, QRectF r, QColor liquid, double level);
