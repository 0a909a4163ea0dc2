#pragma once

#include <QString>
#include <array>

// The navigation's shared state: the page asked for or shown, its record as read,
// and the browsing history of page keys and summary codes.
struct NavigationState {
    QString cleCourante;
    qint16 navigationParCle = 0;
    QString genreCourant;
    QString cleSuivante;
    QString clePrecedente;
    qint16 styleCourant = 0;
    QString bandeauCourant;
    QString cleVideoLiee;
    QString cheminImage;
    QString cheminMedia;
    qint16 donneesManquantes = 0;

    // 1 while `Picture4` holds the solar-system picture; the body whose sheet is shown.
    qint16 modeInteractif = 0;
    QString astreAffiche;

    std::array<QString, 101> historique; // index 0 is never used
    qint16 positionHistorique = 1;
    qint16 navigationHistorique = 0;
};
