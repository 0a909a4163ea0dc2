#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

// Pictures for screens of any density. A window's design is in device-independent
// pixels; on a screen with `ratio` device pixels to one of them (2 on a 192-dpi
// desktop), a picture made at 1× is blown up and blurred, so pictures are drawn or
// read at the ratio of the window that shows them.

// A transparent pixmap of `size` device-independent pixels, `ratio` times as many
// device pixels each way: a painter on it draws in the design's coordinates.
QPixmap blankPicture(QSize size, qreal ratio);

// The picture file at `path`; above 1×, its denser sibling "name@2x.ext" (or @3x...,
// as Qt's own icons look them up) when there is one, carrying its ratio. A null image
// when the file cannot be read.
QImage readPicture(const QString& path, qreal ratio);

// The size a picture takes on screen, in device-independent pixels.
QSize shownSize(const QImage& picture);
QSize shownSize(const QPixmap& picture);
