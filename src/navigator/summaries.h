#pragma once

#include <QString>

class MediaControl;
class Multim;
struct NavigationState;

// The summaries and tables of contents the main window shows instead of a page, each
// recorded in the history under its code.
struct SommaireContexte {
    Multim& multim;
    NavigationState& navigation;
    MediaControl& mediaControl;
    qint16& videoEnCours;
    QString repertoireProgramme;
};

// `afficherSommaire`: the general summary with the textbook's cover, code "soma0".
void afficherSommaire(SommaireContexte& contexte);

// `afficherVolet`: summary view 0 to 3 (chemistry table, chemistry modules, physics
// table, physics modules), codes "soma00" to "soma03".
void afficherVolet(SommaireContexte& contexte, int index);

// `afficherSommaireChimie`, `afficherSommairePhysique`: codes "soma1", "soma2".
void afficherSommaireChimie(SommaireContexte& contexte);
void afficherSommairePhysique(SommaireContexte& contexte);

// `afficherTheme`: the contents of theme 1, 2 or 3, codes "somaT1" to "somaT3".
void afficherTheme(SommaireContexte& contexte, int theme);

// Shows the enabled state of `avant` and `apres` from the history.
void montrerHistorique(Multim& multim, const NavigationState& navigation);
