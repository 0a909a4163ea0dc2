#pragma once

#include "navigator/chapterentries.h"

#include <QStringView>
#include <array>

// Captions of the section titles (`etsout`) of the tables of contents, chapter by
// chapter and section by section, in the order and counts of chapterentries.h.
namespace sectiontitles {

inline constexpr int totalSections() {
    int total = 0;
    for (int n : chapterentries::sections)
        total += n;
    return total;
}

inline constexpr std::array<QStringView, totalSections()> titles = {
    // 1. Espèces chimiques
    u"1. Les espèces chimiques qui nous entourent",
    u"2. Naturel ou synthétique ?",
    u"3. Identifier une espèce chimique",
    // 2. Extraction et caractérisation d'espèces chimiques
    u"1. Les techniques d'extraction",
    u"2. La chromatographie",
    u"3. Les caractéristiques physiques",
    // 3. Synthèse d'espèces chimiques
    u"1. Pourquoi synthétiser ?",
    u"2. Réaliser une synthèse",
    u"3. Identifier le produit obtenu",
    // 4. Modèle de l'atome
    u"1. Le noyau et les électrons",
    u"2. L'élément chimique",
    u"3. Les ions monoatomiques",
    u"4. Le cortège électronique",
    // 5. De l'atome aux édifices chimiques
    u"1. Les règles du duet et de l'octet",
    u"2. La liaison covalente",
    u"3. La représentation de Lewis",
    u"4. La géométrie des molécules",
    // 6. La classification périodique des éléments
    u"1. Histoire de la classification",
    u"2. La classification actuelle",
    u"3. Les familles chimiques",
    // 7. La mole
    u"1. La quantité de matière",
    u"2. Les masses molaires",
    u"3. Le volume molaire des gaz",
    // 8. Concentration molaire
    u"1. Les solutions aqueuses",
    u"2. Préparer une solution",
    u"3. Utiliser une concentration",
    // 9. La réaction chimique
    u"1. Système chimique et transformation",
    u"2. L'équation chimique",
    u"3. Des transformations au laboratoire",
    // 10. Bilan de matière
    u"1. L'avancement",
    u"2. Le réactif limitant",
    u"3. Le bilan à l'état final",
    // 11. L'Univers : de l'atome aux galaxies
    u"1. Les échelles de longueur",
    u"2. La structure lacunaire de la matière",
    u"3. De l'infiniment petit à l'infiniment grand",
    // 12. Lumière et mesures de distances
    u"1. La propagation de la lumière",
    u"2. Mesurer des distances",
    u"3. L'année de lumière",
    // 13. Un système dispersif : le prisme
    u"1. La réfraction",
    u"2. La dispersion de la lumière blanche",
    u"3. Le prisme",
    // 14. Les messages de la lumière
    u"1. Les spectres d'émission",
    u"2. Les spectres d'absorption",
    u"3. La lumière des étoiles",
    // 15. Mouvements et forces
    u"1. La relativité du mouvement",
    u"2. Les forces",
    u"3. Le principe d'inertie",
    // 16. La gravitation universelle
    u"1. Le système solaire",
    u"2. L'interaction gravitationnelle",
    u"3. Poids et satellites",
    // 17. Le temps
    u"1. Les phénomènes périodiques",
    u"2. La mesure du temps",
    u"3. Le temps et les distances",
    // 18. L'état gazeux
    u"1. Le modèle moléculaire",
    u"2. La pression d'un gaz",
    u"3. La température",
    u"4. Pression et volume",
    // 19. Le gaz parfait
    u"1. La loi de Boyle-Mariotte",
    u"2. L'équation d'état",
    u"3. Applications",
};
static_assert(!titles.back().isEmpty(), "one caption per section");

// Index in `titles` (and of the `etsout` label) of a chapter's first section.
inline constexpr int firstSection(int chapter) {
    int first = 0;
    for (int c = 0; c < chapter; ++c)
        first += chapterentries::sections[c];
    return first;
}

// Caption of section s (0-based) of a chapter.
inline constexpr QStringView title(int chapter, int s) {
    return titles[firstSection(chapter) + s];
}

} // namespace sectiontitles
