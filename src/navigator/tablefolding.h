#pragma once

#include <QtGlobal>
#include <array>

class Multim;

// The folding chapters of the chemistry and physics tables and the scroll bar that
// moves whichever table is visible. A folded chapter is 255 twips high.
inline constexpr int hauteurChapitrePlie = 255;

// `basculerChapitre`: folds or unfolds chapter `i`, folds the other parts' chapters
// of its table, restacks the table and scrolls the chapter into view.
void basculerChapitre(Multim& multim, int i, const std::array<qint16, 31>& hauteursChapitres);

// `ajusterDefilement`: the scroll bar's range for the visible table, hidden when the
// table fits in its viewport.
void ajusterDefilement(Multim& multim);

// The scroll bar moves the visible tables; the fold buttons and chapter titles fold.
void connecterTables(Multim& multim, const std::array<qint16, 31>& hauteursChapitres);
