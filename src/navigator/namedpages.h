#pragma once

#include <QStringView>
#include <array>

// The page keys the navigator asks for by name rather than through a table entry.
// A course must hold a page for each of them.
namespace namedpages {

// The "C&rédits" button; the following credit pages are reached through next links.
inline constexpr QStringView credits = u"Crédits (1/4)";

// The page that opens the powers-of-ten viewer.
inline constexpr QStringView visionUnivers = u"3.1. Vision d'ensemble de l'Univers";

// The related-video keyword of a page that offers the experiment-video menu.
inline constexpr QStringView menuVideos = u"MENU01";

// The videos of the "MENU01" menu, in menu order.
inline constexpr std::array<QStringView, 2> menu01Videos = {
    u"Comment remplir un ballon avec un gaz coloré ?",
    u"Diffusion d'un gaz",
};

// The video menu of a chapter's video icon `Image9`(chapter), chapter numbered from 1.
struct ChapterVideoMenu {
    int chapter;
    int count;
    std::array<QStringView, 5> videos;
};

inline constexpr std::array<ChapterVideoMenu, 11> chapterVideoMenus = {{
    {1, 1, {u"Test à la liqueur de Fehling"}},
    {2,
     5,
     {u"Densité de solvant", u"Extraction au pentane", u"Mesure d'une température de fusion",
      u"Principe de la chromatographie", u"Révélation UV"}},
    {3, 1, {u"Filtration sur Büchner, ou filtration sous vide"}},
    {4, 2, {u"Réaction des ions cuivre avec le fer", u"Réaction du cuivre avec l'acide nitrique"}},
    {6, 1, {u"Test de la présence des ions fer(III) et fer(II)"}},
    {7, 1, {u"Mesure du volume d'un gaz produit par une réaction chimique"}},
    {8, 2, {u"Dissolution du permanganate de potassium dans l'eau", u"Mélange d'eau et d'alcool"}},
    {9,
     3,
     {u"Précipitation de l'hydroxyde de cuivre", u"Réaction de l'acide chlorhydrique avec le zinc",
      u"Transformation chimique"}},
    {10,
     3,
     {u"Avancement d'une réaction chimique", u"Réactif en excès",
      u"Stoechiométrie d'une réaction"}},
    {13, 1, {u"Réfraction d'un faisceau laser"}},
    {18, 2, {u"Comment remplir un ballon avec un gaz coloré ?", u"Diffusion d'un gaz"}},
}};

// The documentary-activity pages, by the index of their icon `DOCU`(index).
struct DocumentaryPage {
    int index;
    QStringView key;
};

inline constexpr std::array<DocumentaryPage, 7> documentaryPages = {{
    {0, u"Ces espèces chimiques qui ont du goût !"},
    {1, u"L'art de la parfumerie"},
    {2, u"La chimie des airbags"},
    {10, u"Les plus petites machines du monde"},
    {11, u"Regarder « loin », c'est regarder « tôt »"},
    {12, u"La quadrichromie"},
    {13, u"Etoile ou planète ?"},
}};

// The theme entries (`Label20` captions), theme by theme, in label order; a theme's
// unused labels are empty.
inline constexpr int themeEntryCount = 10;

inline constexpr std::array<std::array<QStringView, themeEntryCount>, 3> themeEntries = {{
    {u"1.1. Caractéristique d'un conducteur ohmique",
     u"1.2. Application : conducteurs ohmiques en série",
     u"2.1. Cas des dipôles étudiés précédemment",
     u"2.2. Application 1 : conducteurs ohmiques associés en parallèle",
     u"2.3. Application 2 : étude de la résistance d'une lampe en fonction de la température du "
     u"filament",
     u"3.1. Exploitation de l'étude de la lampe", u"3.2. Étude d'une thermistance",
     u"4. Capteurs de température : exemple d'utilisation", u"5. Les semi-conducteurs", u""},
    {u"1. Aliment naturel ou espèce chimique",
     u"2.1. Principe de l'utilisation d'une courbe d'étalonnage", u"2.2. Protocole expérimental",
     u"2.3. Rédaction d'un rapport de TP", u"3.1. Intérêt de l'expérience",
     u"3.2. Protocole expérimental", u"4.1. L'origine du nom « hydrate de carbone »",
     u"4.2. Déshydratation du sucre par l'acide sulfurique", u"", u""},
    {u"1.1. Exemples", u"1.2. Recherche dans un document hypermédia", u"2.1. L'Internet et le web",
     u"2.2. La navigation", u"2.3. Exemple d'une navigation",
     u"2.4. Rechercher des informations sur le web", u"2.5. Exemple de recherche sur le web",
     u"3.1. Format de fichiers", u"3.2. Les outils", u"3.3. Installation du site sur le web"},
}};

} // namespace namedpages
