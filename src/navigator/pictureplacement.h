#pragma once

#include <QSize>
#include <QString>

class PictureBox;

// Where `Picture4` goes once it holds a new picture: centred on the page's left
// column, kept below the title bands and off the left edge.
// The size of the picture inside the box, its border left out.
QSize tailleImage(const PictureBox& picture);

void placerImage(PictureBox& picture4, const QString& genreCourant);
