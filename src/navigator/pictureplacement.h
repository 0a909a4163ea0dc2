#pragma once

#include <QSize>
#include <QString>

class Multim;
class PictureBox;
struct NavigationState;

// The size of the picture inside the box, its border left out.
QSize tailleImage(const PictureBox& picture);

// Where `Picture4` goes once it holds a new picture: centred on the page's left
// column, kept below the title bands and off the left edge.
void placerImage(PictureBox& picture4, const QString& genreCourant);

// `Picture4` `Change`: a new picture ends the solar-system viewer and is placed.
void Picture4_Change(Multim& multim, NavigationState& navigation);

// Runs `Picture4_Change` on every picture `Picture4` reads, whoever loads it.
void connecterPicture4(Multim& multim, NavigationState& navigation);
