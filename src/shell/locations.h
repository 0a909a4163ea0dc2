#pragma once

#include <QString>

struct Platform;

// The disc's data and video folders, found by scanning the drive letters from Z down
// to A: the highest letter holding the file wins. When no drive holds it the user
// is asked for the disc ("CD-ROM absent", Retry or Cancel).

// `nom` becomes the full path of the file on the disc, or "" when the user gave up
// (the shared directory then keeps its value). A blank name is left as it is.
void localiserDonnees(Platform& platform, QString& nom, QString& repertoireDonnees);
void localiserVideo(Platform& platform, QString& nom, QString& repertoireVideo);

// The existing file at `cheminSurLeDisque` (like "DONNEES/GLXNOV.glb") on drive
// `lettre`, or "" when that drive has none.
QString fichierSurLecteur(const Platform& platform, QChar lettre, const QString& cheminSurLeDisque);
