#include "dictionary/htrub.h"

#include "common/spaces.h"
#include "dictionary/dictionarylookup.h"
#include "dictionary/dictionarywidgets.h"
#include "navigator/navigation.h"
#include "navigator/navigationstate.h"
#include "platform/mediacontrol.h"
#include "platform/screen.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

constexpr int largeur = 6810;
constexpr int hauteurAvecListe = 4560;
// The window's outer height of 2610 twips less its frame (4755 − 4560).
constexpr int hauteurSansListe = 2415;

} // namespace

HTRUB::HTRUB(DictionnaireContexte& contexte, QWidget* parent)
    : QDialog(parent), contexte_(contexte),
      twips_(dictionarywidgets::twipsDe(contexte.navigateur.platform.screen)) {
    dictionarywidgets::habiller(*this, QStringLiteral("HTRUB"), QStringLiteral("Mot clé"));
    construire();

    FenetresDictionnaire& fenetres = contexte_.fenetres;
    for (QDialog* autre : {fenetres.coordon.data(), fenetres.lier.data()})
        if (autre)
            autre->reject();
    fenetres.HTRUB = this;
    remplir();
}

void HTRUB::construire() {
    Labelcle = new QLabel(this);
    Labelcle->setObjectName(QStringLiteral("Labelcle"));
    QFont verdana(QStringLiteral("Verdana"), 12, QFont::Bold);
    Labelcle->setFont(verdana);
    Labelcle->setStyleSheet(QStringLiteral("color: rgb(128, 64, 64);"));
    twips_.place(*Labelcle, {240, 120, 6330, 495});

    Label3 = new QLabel(QStringLiteral("Textes en rapport avec ce mot:"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    twips_.place(*Label3, {240, 720, 6330, 255});

    Label1 =
        new QLabel(QStringLiteral("Ce mot ne fait référence qu'au texte édité actuellement"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    twips_.place(*Label1, {240, 720, 6330, 735});

    const auto afficher = [this] { Command1_Click(); };
    Listaz = dictionarywidgets::liste(*this, twips_, QStringLiteral("Listaz"),
                                      {240, 1020, 6330, 2655}, afficher);
    dictionarywidgets::choisirParEntree(*Listaz, afficher);

    using dictionarywidgets::Commande;
    Command1 = dictionarywidgets::bouton(*this, twips_, QStringLiteral("Command1"),
                                         Commande::Afficher, {1320, 3900}, afficher);
    Command2 =
        dictionarywidgets::bouton(*this, twips_, QStringLiteral("Command2"), Commande::Annuler,
                                  {3720, 3900}, [this] { Command2_Click(); });
}

void HTRUB::remplir() {
    const DictionaryState& dico = contexte_.dico;
    Labelcle->setText(dico.motChoisi);
    clesPages = pagesOfKeyword(dico.cheminDico, dico.finDico, dico.motChoisi);
    dictionarywidgets::afficherTitres(*Listaz, clesPages);
    Listaz->setCurrentRow(0);

    const bool vide = clesPages.isEmpty();
    Label1->setVisible(vide);
    Command1->setVisible(!vide);
    Label3->setVisible(!vide);
    Listaz->setVisible(!vide);
    if (vide) {
        twips_.setLeft(*Command2, 2520);
        twips_.setTop(*Command2, 1680);
    }
    setFixedSize(twips_.toPixelsX(largeur),
                 twips_.toPixelsY(vide ? hauteurSansListe : hauteurAvecListe));
}

void HTRUB::Command1_Click() {
    NavigationContexte& navigateur = contexte_.navigateur;
    navigateur.platform.mediaControl.send(MediaControl::Command::Close);
    const int position = Listaz->currentRow();
    // The key decides, not its display form, which may be empty for a valid page.
    if (position < 0 || trimSpaces(clesPages[position]).isEmpty())
        return;
    navigateur.navigation.cleCourante = clesPages[position];
    navigateur.navigation.navigationParCle = -1;
    allerPage(navigateur);
    accept();
}

void HTRUB::Command2_Click() {
    contexte_.dico.etatIndex = 0;
    reject();
}
