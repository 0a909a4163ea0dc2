#include "navigator/summaries.h"

#include "navigator/history.h"
#include "navigator/multim.h"
#include "navigator/pagedisplay.h"
#include "navigator/tablefolding.h"
#include "navigator/themecontents.h"
#include "navigator/titlebands.h"
#include "platform/forms/formlabel.h"
#include "platform/forms/picturebox.h"
#include "platform/richtext/richtextbox.h"

#include <QPushButton>
#include <QScrollBar>

namespace {

constexpr int styleSommaire = 4;

void montrerTitre(Multim& m, const QString& texte, int top, int taille) {
    m.Label9->setText(texte);
    // The heading stays within the upper band, whatever its top.
    m.Label9->setGeometry(m.Label9->x(), top, m.Label9->width(), m.titre->height() - top);
    QFont font = m.Label9->font();
    font.setPointSize(taille);
    m.Label9->setFont(font);
    m.Label9->setStyleSheet(QStringLiteral("color: rgb(0, 0, 0)"));
    m.Label9->show();
    m.Label9->raise();
}

// What a summary shows of its own: the picture (none: `Picture4` hidden), the heading
// and the style of its bands.
struct Sommaire {
    QString image;
    QString titre;
    int haut;
    int taille;
    int style;
    bool menu;
};

const QString couverture = QStringLiteral("couverture.jpg");

// The steps every summary runs, up to its history entry.
void preparerSommaire(SommaireContexte& contexte, const Sommaire& sommaire, const QString& code) {
    Multim& m = contexte.multim;
    m.setWindowTitle(QStringLiteral("Solstice - LUMEN"));
    m.EXECHI->hide();
    m.EXEPHY->hide();
    arreterMedias(m, contexte.mediaControl);
    m.label15->hide();
    contexte.videoEnCours = 0;

    if (sommaire.image.isEmpty()) {
        m.Picture4->hide();
    } else {
        m.Picture4->loadPicture(contexte.repertoireProgramme + sommaire.image);
        m.Picture4->show();
        m.Picture4->raise();
        m.Picture4->setBorderSingle(true);
    }

    for (QWidget* link : {static_cast<QWidget*>(m.avantcours), static_cast<QWidget*>(m.Labelavant),
                          static_cast<QWidget*>(m.suite), static_cast<QWidget*>(m.Labelapres)})
        link->hide();
    m.texteur->hide();
    m.texteur->clear();
    m.Picture1->hide();
    m.VScroll1->hide();

    montrerTitre(m, sommaire.titre, sommaire.haut, sommaire.taille);
    peindreBandeaux(*m.titre, *m.bastitre, sommaire.style);
    m.Command1->setEnabled(false);
    m.Imagexe->hide();
    m.Labelexe->hide();
    m.menugeneral->setVisible(sommaire.menu);
    if (sommaire.menu)
        m.menugeneral->raise();
    empilerHistorique(contexte.navigation, code);
    montrerHistorique(m, contexte.navigation);
}

void montrerTitreLivre(Multim& m, QFrame& table) {
    m.titrelivre->setParent(&table);
    m.twips().setTop(*m.titrelivre, 80);
    m.twips().setLeft(*m.titrelivre, 160);
    m.titrelivre->show();
    m.titrelivre->raise();
}

void montrerTable(Multim& m, bool chimie) {
    m.chapitres.construire();
    m.tablematchi->setVisible(chimie);
    m.tablematphy->setVisible(!chimie);
    m.Picture1->show();
    m.Picture1->raise();
}

void afficherSommaireMatiere(SommaireContexte& contexte, bool chimie) {
    Multim& m = contexte.multim;
    const Sommaire sommaire{QString(),
                            chimie ? QStringLiteral("Chimie") : QStringLiteral("Physique"),
                            0,
                            36,
                            chimie ? 1 : 2,
                            false};
    preparerSommaire(contexte, sommaire,
                     chimie ? QStringLiteral("soma1") : QStringLiteral("soma2"));
    montrerTable(m, chimie);
    m.modules.construire();
    QFrame* modules = chimie ? m.EXECHI : m.EXEPHY;
    modules->move(30, 100);
    modules->show();
    modules->raise();
    (chimie ? m.EXEPHY : m.EXECHI)->hide();
    montrerTitreLivre(m, chimie ? *m.tablematchi : *m.tablematphy);
    ajusterDefilement(m);
}

} // namespace

void afficherSommaire(SommaireContexte& contexte) {
    Multim& m = contexte.multim;
    m.Frathem->hide();
    // The theme contents hide the Ecologia launcher; it belongs to the general summary.
    m.Image3->show();
    m.Label12->show();
    preparerSommaire(contexte, {couverture, QStringLiteral("Sommaire"), 0, 36, styleSommaire, true},
                     QStringLiteral("soma0"));
}

void afficherVolet(SommaireContexte& contexte, int index) {
    Multim& m = contexte.multim;
    preparerSommaire(contexte,
                     {couverture, QStringLiteral("Sommaire"), 0, 36, styleSommaire, false},
                     QStringLiteral("soma0") + QString::number(index));
    const bool chimie = index <= 1;
    if (index == 0 || index == 2) {
        montrerTable(m, chimie);
        m.EXECHI->hide();
        m.EXEPHY->hide();
        montrerTitreLivre(m, chimie ? *m.tablematchi : *m.tablematphy);
    } else {
        m.Picture1->hide();
        m.tablematchi->hide();
        m.tablematphy->hide();
        m.modules.construire();
        QFrame* modules = chimie ? m.EXECHI : m.EXEPHY;
        (chimie ? m.EXEPHY : m.EXECHI)->hide();
        modules->move(350, 100);
        modules->show();
        modules->raise();
    }
    ajusterDefilement(m);
}

void afficherSommaireChimie(SommaireContexte& contexte) {
    afficherSommaireMatiere(contexte, true);
}

void afficherSommairePhysique(SommaireContexte& contexte) {
    afficherSommaireMatiere(contexte, false);
}

void afficherTheme(SommaireContexte& contexte, int theme) {
    static const std::array<QString, 3> titres = {
        QStringLiteral("Thème 1 : capteurs de température"), QStringLiteral("Thème 2 : les sucres"),
        QStringLiteral("Thème 3 : une recherche hypermédia sur la pollution")};
    if (theme < 1 || theme > 3)
        return;
    preparerSommaire(
        contexte,
        {QStringLiteral("th%1.jpg").arg(theme), titres[theme - 1], 12, 18, styleSommaire, true},
        QStringLiteral("somaT") + QString::number(theme));
    montrerTheme(contexte.multim, theme);
}

void montrerHistorique(Multim& multim, const NavigationState& navigation) {
    multim.avant->setEnabled(avantPossible(navigation));
    multim.apres->setEnabled(apresPossible(navigation));
}
