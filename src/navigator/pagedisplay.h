#pragma once

#include <QString>

struct NavigationContexte;
class MediaControl;
class Multim;

// `afficherPage`: builds the screen of the page `allerPage` has just read, up to its
// text, and records it in the history. Leaves `donneesManquantes` at −1, the page
// unrecorded, when its silent video is nowhere.
void afficherPage(NavigationContexte& contexte);

// The page kinds whose medium is a picture: "Image", "ImageMINI", "ImageHoriz1" to 5.
bool genreImage(const QString& genre);

// What leaving a page or a video takes away: the video stops, the projector icon and
// the powers-of-ten frame go.
void arreterMedias(Multim& multim, MediaControl& video);

// `afficherModule`: the launch icon `Imagexe` and its label for module `numero`. A
// number without a module picture hides them, so that no click starts another module.
void afficherModule(Multim& multim, const QString& repertoireProgramme, int numero);
