#pragma once

#include <QImage>
#include <QString>

// The pictures the navigator loads by name: the cover and summary pictures, the
// theme pictures, the solar system with its bodies inside their hit rectangles and
// the fourteen powers-of-ten pictures.
struct NamedPicture {
    QString file;
    QImage image;
};

QList<NamedPicture> specialPictures();
