#include "dictionary/lier.h"

#include "dictionary/dictionarywidgets.h"
#include "navigator/multimparts.h"
#include "navigator/navigation.h"
#include "navigator/navigationstate.h"
#include "platform/mediacontrol.h"
#include "platform/screen.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

Lier::Lier(DictionnaireContexte& contexte, const QStringList& pages, QWidget* parent)
    : QDialog(parent), contexte_(contexte),
      twips_(dictionarywidgets::twipsDe(contexte.navigateur.platform.screen)), clesPages(pages) {
    dictionarywidgets::habiller(*this, QStringLiteral("lier"), QStringLiteral("Des liens..."));
    setFixedSize(twips_.toPixelsX(6420), twips_.toPixelsY(4905));
    construire();

    FenetresDictionnaire& fenetres = contexte_.fenetres;
    for (QDialog* autre : {fenetres.HTRUB.data(), fenetres.coordon.data()})
        if (autre)
            autre->reject();
    fenetres.lier = this;
    dictionarywidgets::afficherTitres(*List1, clesPages);
    if (!clesPages.isEmpty())
        List1->setCurrentRow(0);
}

void Lier::construire() {
    Label1 = new QLabel(QStringLiteral("Les parties du cours listées ci-dessous sont en "
                                       "relation avec le texte édité actuellement:"),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    twips_.place(*Label1, {240, 120, 5040, 735});

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(multimparts::picture(u"essentiel", devicePixelRatioF()));
    twips_.place(*Image1, {5580, 120, 600, 600});

    const auto afficher = [this] { Command1_Click(); };
    List1 = dictionarywidgets::liste(*this, twips_, QStringLiteral("List1"), {240, 960, 5940, 3135},
                                     afficher);
    List1->setFont(QFont(QStringLiteral("Arial"), 10));

    using dictionarywidgets::Commande;
    Command1 = dictionarywidgets::bouton(*this, twips_, QStringLiteral("Command1"),
                                         Commande::Afficher, {1200, 4320}, afficher);
    Command2 =
        dictionarywidgets::bouton(*this, twips_, QStringLiteral("Command2"), Commande::Annuler,
                                  {3480, 4320}, [this] { Command2_Click(); });
}

void Lier::Command1_Click() {
    NavigationContexte& navigateur = contexte_.navigateur;
    navigateur.platform.mediaControl.send(MediaControl::Command::Close);
    const int position = List1->currentRow();
    if (position >= 0)
        navigateur.navigation.cleCourante = clesPages[position];
    // With nothing selected the page on screen is shown again.
    navigateur.navigation.navigationParCle = -1;
    allerPage(navigateur);
    accept();
}

void Lier::Command2_Click() {
    reject();
}
