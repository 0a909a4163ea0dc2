#pragma once

#include <QString>

class MediaControl;
class Multim;
struct NavigationState;

// The summaries and tables of contents the main window shows instead of a page.
struct SommaireContexte {
    Multim& multim;
    NavigationState& navigation;
    MediaControl& mediaControl;
    qint16& videoEnCours;
    QString repertoireProgramme;
};

// `afficherSommaire`: the general summary with the textbook's cover, code "soma0".
void afficherSommaire(SommaireContexte& contexte);

// Shows the enabled state of `avant` and `apres` from the history.
void montrerHistorique(Multim& multim, const NavigationState& navigation);
