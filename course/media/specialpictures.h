#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

// The pictures the navigator loads by name: the cover and summary pictures, the
// theme pictures, the solar system with its bodies inside their hit rectangles and
// the fourteen powers-of-ten pictures, at `ratio` device pixels per pixel (2 for
// the pictures of dense screens).
struct NamedPicture {
    QString file;
    QImage image;
};

QList<NamedPicture> specialPictures(qreal ratio);

// The bodies of the solar-system picture (640 × 350): centre and half extents in the
// picture's pixels. Each lies inside the rectangle in which the page shows its sheet.
struct SolarBody {
    const char* name;
    double x, y, halfWidth, halfHeight;
    QColor colour;
};

inline const SolarBody solarBodies[] = {
    {"Soleil", 650, 360, 105, 105, QColor(255, 190, 40)}, // only its upper left shows
    {"Neptune", 130, 60, 22, 22, QColor(70, 110, 230)},
    {"Pluton", 270, 20, 8, 8, QColor(200, 180, 160)},
    {"Saturne", 260, 105, 72, 32, QColor(220, 190, 120)},
    {"Jupiter", 165, 255, 50, 50, QColor(210, 150, 100)},
    {"Uranus", 467, 45, 38, 38, QColor(140, 210, 220)},
    {"Mercure", 465, 320, 14, 14, QColor(170, 160, 150)},
    {"Terre", 505, 190, 17, 17, QColor(60, 120, 220)},
    {"Vénus", 460, 260, 17, 17, QColor(230, 200, 140)},
    {"Mars", 592, 145, 12, 12, QColor(210, 90, 50)},
};

QImage solarSystem(qreal ratio);
