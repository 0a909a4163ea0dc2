#pragma once

#include "search/searchstate.h"

#include <functional>

class Multim;

// Ctrl+F and the main window's context-menu entry "Rechercher dans le cours…" open the
// search window; F3 selects the next match of the words last searched on the page
// shown. `contexte` gives what they work on at the time of the key press.
void installerRecherche(Multim& multim, std::function<RechercheContexte()> contexte);

// The search window, modal; the index is built the first time.
void ouvrirRecherche(RechercheContexte& contexte);

// Selects, in the page's text, the first match of the words last searched.
void premiereCorrespondance(RechercheContexte& contexte);
// Selects the match after the selection, from the top again after the last one.
void correspondanceSuivante(RechercheContexte& contexte);
