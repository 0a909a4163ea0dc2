#pragma once

#include <QRect>
#include <QStringView>
#include <array>

// The main window's design: every position, size and caption of `multim` that the
// window's own code does not compute. Main-window controls are in pixels, controls
// inside the frames of the tables of contents, the themes and the modules in twips.
namespace multimdesign {

// The window is 800 × 600 outside, title bar and borders included; its controls fit
// the client area a usual window frame leaves.
inline constexpr int outerWidth = 800;
inline constexpr int outerHeight = 600;
inline constexpr int clientWidth = 792;
inline constexpr int clientHeight = 566;

// Title bands, page area, links (pixels).
inline constexpr QRect titre{0, 0, 792, 60};
inline constexpr QRect bastitre{0, 536, 792, 30};
// The summaries' heading spans the band, so the longest theme heading shows whole.
inline constexpr QRect Label9{20, 0, 752, 60};
inline constexpr QRect texteur{328, 104, 455, 417};
inline constexpr int texteurRightMargin = 430;
inline constexpr QRect Picture4{20, 100, 280, 400};
inline constexpr QRect avant{6, 539, 86, 24};
inline constexpr QRect apres{96, 539, 86, 24};
inline constexpr QPoint avantcours{196, 541};
// The link captions wrap onto a second line of the band rather than lose a part of
// a long key.
inline constexpr QRect Labelavant{220, 537, 250, 28};
inline constexpr QPoint suite{766, 541};
inline constexpr QRect Labelapres{480, 537, 282, 28};

// The command row under the upper band.
inline constexpr QPoint Image2{4, 63};
inline constexpr int commandTop = 63;
inline constexpr int commandHeight = 26;
inline constexpr int commandLeft = 34;
inline constexpr int commandGap = 3;
struct Command {
    QStringView name;
    QStringView caption;
    QStringView tooltip;
    int width;
};
inline constexpr std::array<Command, 11> commands = {{
    {u"Command2", u"&Sommaire", u"Afficher le sommaire général", 72},
    {u"command5", u"C&himie", u"Sommaire de chimie", 64},
    {u"command6", u"Ph&ysique", u"Sommaire de physique", 70},
    {u"Command1", u"&Liens", u"Les pages en rapport avec cette page", 58},
    {u"command4", u"Inde&x", u"Index alphabétique des mots clés", 58},
    {u"Command3", u"&Calculatrice", u"Machine à calculer", 84},
    {u"Command12", u"&Internet", u"Naviguer sur Internet", 66},
    {u"Command10", u"&Aide", u"Aide pour utiliser le logiciel", 52},
    {u"Command8", u"", u"Actualiser le logiciel", 30},
    {u"Command13", u"C&rédits", u"Les auteurs du logiciel", 64},
    {u"Command14", u"&Quitter", u"Quitter le logiciel", 64},
}};

// Icons at the right of the upper band (pixels); `projo` moves between 664 and 720.
inline constexpr QPoint projo{664, 14};
inline constexpr QPoint Imagexe{720, 6};
inline constexpr QRect Labelexe{690, 40, 96, 16};
inline constexpr QPoint btexo{720, 6};
inline constexpr QRect Label16{690, 40, 96, 16};

// The general summary's choices, inside `menugeneral` (twips).
inline constexpr QRect menugeneral{352, 99, 409, 413}; // pixels
struct Choice {
    QPoint picture;
    QRect label;
    QStringView caption;
};
inline constexpr std::array<Choice, 4> volets = {{
    {{600, 300}, {1440, 510, 4200, 300}, u"Sommaire de chimie"},
    {{600, 1200}, {1440, 1410, 4200, 300}, u"Modules de chimie"},
    {{600, 2100}, {1440, 2310, 4200, 300}, u"Sommaire de physique"},
    {{600, 3000}, {1440, 3210, 4200, 300}, u"Modules de physique"},
}};
inline constexpr std::array<Choice, 3> themes = {{
    {{600, 3840}, {1440, 4050, 4500, 300}, u"Capteurs de température"},
    {{600, 4590}, {1440, 4800, 4500, 300}, u"Les sucres"},
    {{600, 5340}, {1440, 5550, 4500, 300}, u"Une recherche hypermédia sur la pollution"},
}};
inline constexpr QPoint Image3{4440, 300};
inline constexpr QRect Label12{5040, 300, 1020, 900};
inline constexpr QStringView Label12Caption = u"Écologie : activité de recherche";

// Theme contents, inside `Frathem` (twips); tops are set when a theme is shown.
inline constexpr int Label26Left = 300;
inline constexpr int Label20Left = 600;
inline constexpr int themeLabelWidth = 5400;
inline constexpr int themeLabelHeight = 240;

// Tables of contents (pixels for the viewport, twips inside it).
inline constexpr QRect Picture1{336, 92, 440, 430};
inline constexpr QRect VScroll1{777, 92, 14, 430};
inline constexpr int tableWidth = 6600;
inline constexpr QRect titrelivre{160, 80, 377, 56}; // left, top in twips; size in pixels
inline constexpr QRect btpm{120, 0, 255, 255};
inline constexpr int Label7Left = 300;
inline constexpr int Label7Width = 6000;
inline constexpr int Label7Height = 300;
inline constexpr int chapiLeft = 420;
inline constexpr int chapiWidth = 6060;
inline constexpr int chapiFolded = 255;

// Rows inside a chapter frame (twips): the title row, then the sections with their
// entries from the top, and the chapter's tools (test, essentials, videos,
// documentary activity) anchored to the bottom of the unfolded height.
inline constexpr QRect titchap{60, 15, 5940, 240};
inline constexpr int firstRowTop = 330;
inline constexpr int sectionLeft = 180;
inline constexpr int sectionHeight = 270;
inline constexpr int entryLeft = 420;
inline constexpr int entryHeight = 240;
inline constexpr int rowWidth = 5500;
inline constexpr int toolRowHeight = 300;
inline constexpr int toolBottomMargin = 90;
inline constexpr int toolIconLeft = 420;
inline constexpr int toolLabelLeft = 720;
inline constexpr int toolLabelWidth = 4000;
inline constexpr QStringView Label14Caption = u"Tester vos connaissances";
inline constexpr QStringView essentielCaption = u"L'essentiel du chapitre";
inline constexpr QStringView Label22Caption = u"Vidéos d'expériences";
inline constexpr QStringView Label21Caption = u"Activité documentaire";

// Chapter video icons by chapter number, documentary icons by chapter index.
inline constexpr std::array<int, 11> Image9Chapters = {1, 2, 3, 4, 6, 7, 8, 9, 10, 13, 18};
inline constexpr std::array<int, 7> DOCUChapters = {0, 1, 2, 10, 11, 12, 13};

// Module frames (pixels for the frames, twips inside): one icon per module, with its
// short name, in two columns.
inline constexpr int moduleFrameWidth = 300;
inline constexpr int moduleFrameHeight = 345;
inline constexpr std::array<int, 8> chemistryModules = {1, 2, 5, 8, 9, 12, 14, 17};
inline constexpr std::array<int, 8> physicsModules = {3, 4, 6, 10, 11, 13, 15, 16};
inline constexpr int moduleColumnLeft[2] = {240, 2340};
inline constexpr int moduleFirstTop = 300;
inline constexpr int moduleRowPitch = 1140;
inline constexpr int moduleLabelOffset = 600; // label right of its icon
inline constexpr int moduleLabelWidth = 1500;
inline constexpr std::array<QStringView, 18> moduleNames = {
    u"",        u"Ordalis", u"Valens", u"Spectra",  u"Reflexa", u"Tutorkit",
    u"Orbita",  u"Naviga",  u"Strata", u"Bilanz",   u"Gravis",  u"Moleca",
    u"Alambix", u"Sonoria", u"Fichex", u"Mentoria", u"Oscilla", u"Pipetta"};

// The powers-of-ten viewer and the playback bar (pixels for the frames, twips inside).
inline constexpr QRect Frame1{522, 384, 250, 130};
inline constexpr QRect Label24{120, 120, 1800, 600};
// The caption spans the frame, so that the species name fits in the bacterium's
// caption before "(bactérie)."; the two buttons sit side by side above it.
inline constexpr QRect Label25{120, 900, 3480, 900};
inline constexpr QRect Label8{120, 900, 2340, 240};
inline constexpr QPoint command11{2580, 120};
inline constexpr QPoint Command9{3060, 120};
inline constexpr QSize label15{204, 32};
inline constexpr int Image4Pitch = 28;

// Part headings `Label7`(0..5) and chapter titles `titchap`(0..18).
inline constexpr std::array<QStringView, 6> partHeadings = {
    u"Partie I : « Chimique ou naturel ? »",           u"Partie II : Constitution de la matière",
    u"Partie III : Transformations de la matière",     u"Partie IV : Exploration de l'espace",
    u"Partie V : L'Univers en mouvements et le temps", u"Partie VI : L'air qui nous entoure",
};
inline constexpr std::array<QStringView, 19> chapterTitles = {
    u" 1. Espèces chimiques",
    u" 2. Extraction et caractérisation d'espèces chimiques",
    u" 3. Synthèse d'espèces chimiques",
    u" 4. Modèle de l'atome",
    u" 5. De l'atome aux édifices chimiques",
    u" 6. La classification périodique des éléments",
    u" 7. La mole",
    u" 8. Concentration molaire",
    u" 9. La réaction chimique",
    u" 10. Bilan de matière",
    u" 11. L'Univers : de l'atome aux galaxies",
    u" 12. Lumière et mesures de distances",
    u" 13. Un système dispersif : le prisme",
    u" 14. Les messages de la lumière",
    u" 15. Mouvements et forces",
    u" 16. La gravitation universelle",
    u" 17. Le temps",
    u" 18. L'état gazeux",
    u" 19. Le gaz parfait",
};

// Pictures of the playback bar's buttons `Image4`(0..6).
inline constexpr std::array<QStringView, 7> playbackPictures = {u"play", u"step", u"pause", u"stop",
                                                                u"back", u"end",  u"start"};
inline constexpr std::array<QStringView, 7> playbackTooltips = {
    u"Lecture",          u"Image suivante", u"Pause",          u"Arrêt",
    u"Image précédente", u"Aller à la fin", u"Retour au début"};

} // namespace multimdesign
