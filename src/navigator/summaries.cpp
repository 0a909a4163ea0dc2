#include "navigator/summaries.h"

#include "navigator/history.h"
#include "navigator/multim.h"
#include "navigator/pictureplacement.h"
#include "navigator/titlebands.h"
#include "platform/forms/formlabel.h"
#include "platform/forms/picturebox.h"
#include "platform/mediacontrol.h"
#include "platform/richtext/richtextbox.h"

#include <QPushButton>

namespace {

constexpr int styleSommaire = 4;

// The steps every summary runs first.
void preparerSommaire(SommaireContexte& contexte, const QString& image) {
    Multim& m = contexte.multim;
    m.setWindowTitle(QStringLiteral("Solstice - LUMEN"));
    m.EXECHI->hide();
    m.EXEPHY->hide();
    contexte.mediaControl.send(MediaControl::Command::Close);
    m.projo->hide();
    m.Frame1->hide();
    m.label15->hide();
    contexte.videoEnCours = 0;

    if (m.Picture4->loadPicture(contexte.repertoireProgramme + image))
        placerImage(*m.Picture4, contexte.navigation.genreCourant);
    m.Picture4->show();
    m.Picture4->raise();
    m.Picture4->setBorderSingle(true);

    for (QWidget* link : {static_cast<QWidget*>(m.avantcours), static_cast<QWidget*>(m.Labelavant),
                          static_cast<QWidget*>(m.suite), static_cast<QWidget*>(m.Labelapres)})
        link->hide();
    m.texteur->hide();
    m.texteur->clear();
    m.Picture1->hide();
}

void montrerTitre(Multim& m, const QString& texte, int top, int taille) {
    m.Label9->setText(texte);
    m.Label9->move(m.Label9->x(), top);
    QFont font = m.Label9->font();
    font.setPointSize(taille);
    m.Label9->setFont(font);
    m.Label9->setStyleSheet(QStringLiteral("color: rgb(0, 0, 0)"));
    m.Label9->show();
    m.Label9->raise();
}

} // namespace

void afficherSommaire(SommaireContexte& contexte) {
    Multim& m = contexte.multim;
    m.Frathem->hide();
    preparerSommaire(contexte, QStringLiteral("couverture.jpg"));
    montrerTitre(m, QStringLiteral("Sommaire"), 0, 36);
    peindreBandeaux(*m.titre, *m.bastitre, styleSommaire);
    m.Command1->setEnabled(false);
    m.Imagexe->hide();
    m.Labelexe->hide();
    m.menugeneral->show();
    m.menugeneral->raise();
    empilerHistorique(contexte.navigation, QStringLiteral("soma0"));
    montrerHistorique(m, contexte.navigation);
}

void montrerHistorique(Multim& multim, const NavigationState& navigation) {
    multim.avant->setEnabled(avantPossible(navigation));
    multim.apres->setEnabled(apresPossible(navigation));
}
