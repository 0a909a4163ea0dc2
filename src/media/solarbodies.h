#pragma once

#include <QPoint>
#include <QString>
#include <array>

// The bodies of the solar-system picture and their data sheets.

// The body under a point of the picture (its own pixels), "" over empty sky. Each
// body has an open rectangle; where rectangles overlap the last one listed wins.
QString astreSous(QPoint position);

// A body's sheet: three lines of three cells. A cell's digits between braces are
// written as an exponent ("4,88.10{3} km"); an empty cell is only its tab.
using FicheAstre = std::array<std::array<QString, 3>, 3>;

// The sheet of a body named by `astreSous`; nothing for any other name.
const FicheAstre* ficheAstre(const QString& astre);
