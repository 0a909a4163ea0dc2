#pragma once

class Multim;

// The column layout of the tables of contents: the chapters stacked one under the
// other, a gap before each part, the part headings above their first chapter.
namespace tablelayout {

inline constexpr int ecartChapitres = 120;
inline constexpr int ecartParties = 450;

// Restacks the chemistry (chapters 0..9) or physics (10..18) table under its first
// chapter and fits the table's height to its last chapter.
void empilerChapitres(Multim& multim, bool chimie);

} // namespace tablelayout

// `placerTitresParties`: `Label7`(k) 390 twips above its part's first `btpm`.
void placerTitresParties(Multim& multim);
