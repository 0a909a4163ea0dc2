#include "navigator/themecontents.h"

#include "navigator/multim.h"
#include "navigator/namedpages.h"
#include "platform/forms/formlabel.h"

#include <QFontMetrics>
#include <QFrame>
#include <array>
#include <vector>

namespace {

enum class Genre { Titre, Entree };
enum class Aspect { Normal, Titre, Fixe };

// One label of a theme: a heading `Label26`(index) or an entry `Label20`(index),
// whose caption is then the theme's entry of that index.
struct Ligne {
    Genre genre;
    int index;
    int haut;
    const char16_t* titre = nullptr;
    Aspect aspect = Aspect::Normal;
    QSize taille = {};
};

using Theme = std::vector<Ligne>;

const std::array<Theme, 3>& themes() {
    static const std::array<Theme, 3> tous = {{
        {{Genre::Titre, 0, 750, u"1. Du tableau de mesures au graphe"},
         {Genre::Entree, 0, 1020},
         {Genre::Entree, 1, 1230},
         {Genre::Titre, 1, 1530, u"2. Exploitation d'un graphe"},
         {Genre::Entree, 2, 1800},
         {Genre::Entree, 3, 2010},
         {Genre::Entree, 4, 2220, nullptr, Aspect::Fixe, {4900, 420}},
         {Genre::Titre, 2, 2730, u"3. Utilisation d'un tableur"},
         {Genre::Entree, 5, 3000},
         {Genre::Entree, 6, 3210},
         {Genre::Entree, 7, 3510, nullptr, Aspect::Titre},
         {Genre::Entree, 8, 3810, nullptr, Aspect::Titre}},
        {{Genre::Entree, 0, 750, nullptr, Aspect::Titre},
         {Genre::Titre,
          0,
          1050,
          u"2. Détermination de la concentration d'une solution de saccharose",
          Aspect::Fixe,
          {4500, 540}},
         {Genre::Entree, 1, 1590},
         {Genre::Entree, 2, 1800},
         {Genre::Entree, 3, 2010},
         {Genre::Titre, 1, 2310, u"3. Réalisation d'un miroir d'argent"},
         {Genre::Entree, 4, 2580},
         {Genre::Entree, 5, 2790},
         {Genre::Titre, 2, 3090, u"4. Hydrates de carbone"},
         {Genre::Entree, 6, 3360},
         {Genre::Entree, 7, 3570}},
        {{Genre::Titre, 0, 750, u"1. Textes et hypertextes"},
         {Genre::Entree, 0, 1020},
         {Genre::Entree, 1, 1230},
         {Genre::Titre, 1, 1530, u"2. Comprendre et utiliser l'Internet"},
         {Genre::Entree, 2, 1800},
         {Genre::Entree, 3, 2010},
         {Genre::Entree, 4, 2220},
         {Genre::Entree, 5, 2430},
         {Genre::Entree, 6, 2640},
         {Genre::Titre, 2, 2940, u"3. Création d'un site"},
         {Genre::Entree, 7, 3210},
         {Genre::Entree, 8, 3420},
         {Genre::Entree, 9, 3630}},
    }};
    return tous;
}

void donnerAspect(FormLabel& label, int taille, bool gras, const QColor& couleur) {
    QFont font = label.font();
    font.setPointSize(taille);
    font.setBold(gras);
    label.setFont(font);
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, couleur);
    label.setPalette(palette);
}

constexpr const char* tailleDessin = "tailleDessin";
constexpr int margeDroite = 4;

// The label's design size, undoing what an earlier theme's fitting did.
void retrouverTaille(FormLabel& label) {
    QFont font = label.font();
    const QVariant taille = label.property(tailleDessin);
    if (taille.isValid()) {
        font.setPointSizeF(taille.toReal());
        label.setFont(font);
    } else {
        label.setProperty(tailleDessin, font.pointSizeF());
    }
}

// A one-line caption takes the room to the frame's edge; one still too wide is drawn
// smaller, bold included (the hover makes it bold), rather than cut.
void tenirSurUneLigne(FormLabel& label, int largeurCadre) {
    label.resize(largeurCadre - label.x() - margeDroite, label.height());
    QFont font = label.font();
    font.setBold(true);
    const int besoin = QFontMetrics(font).horizontalAdvance(label.text());
    if (besoin <= label.width())
        return;
    font = label.font();
    font.setPointSizeF(font.pointSizeF() * label.width() / besoin);
    label.setFont(font);
}

// The steps every theme runs first.
void preparerTheme(Multim& m) {
    const TwipsScale& twips = m.twips();
    m.Image3->hide();
    m.Label12->hide();
    for (const auto& [k, label] : m.Label20)
        label->clear();
    for (const auto& [k, label] : m.Label26)
        label->clear();
    twips.setHeight(*m.Label26(0), twips.rect(*m.Label26(1)).height());
    for (int k : {0, 7, 8}) {
        donnerAspect(*m.Label20(k), 8, false, Qt::black);
        twips.setLeft(*m.Label20(k), twips.rect(*m.Label20(1)).left());
    }
    twips.setHeight(*m.Label20(4), 210);
    m.Label26(3)->hide();
    m.Frathem->setFrameShape(QFrame::NoFrame);
    m.Frathem->setGeometry(m.Frathem->x(), m.Frathem->y(), m.menugeneral->width(),
                           m.menugeneral->height());
    m.Frathem->show();
    m.Frathem->raise();
}

} // namespace

void montrerTheme(Multim& m, int theme) {
    if (theme < 1 || theme > 3)
        return;
    preparerTheme(m);
    const TwipsScale& twips = m.twips();
    for (const auto& [k, label] : m.Label20)
        label->hide();
    for (const Ligne& ligne : themes()[theme - 1]) {
        const bool titre = ligne.genre == Genre::Titre;
        FormLabel* label = titre ? m.Label26(ligne.index) : m.Label20(ligne.index);
        // Entries 0, 7 and 8 have just been given their size.
        if (titre || (ligne.index != 0 && ligne.index != 7 && ligne.index != 8))
            retrouverTaille(*label);
        label->setText(titre ? QString::fromUtf16(ligne.titre)
                             : namedpages::themeEntries[theme - 1][ligne.index].toString());
        twips.setTop(*label, ligne.haut);
        label->setWordWrap(ligne.aspect == Aspect::Fixe);
        if (ligne.aspect == Aspect::Fixe) {
            twips.setWidth(*label, ligne.taille.width());
            twips.setHeight(*label, ligne.taille.height());
        }
        if (ligne.aspect == Aspect::Titre) {
            donnerAspect(*label, 10, true, QColor(255, 128, 0));
            twips.setLeft(*label, twips.rect(*m.Label26(0)).left());
        }
        if (ligne.aspect != Aspect::Fixe)
            tenirSurUneLigne(*label, m.Frathem->width());
        label->show();
    }
}
