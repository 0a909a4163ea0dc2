#include "search/searchcommands.h"

#include "navigator/multim.h"
#include "navigator/navigation.h"
#include "platform/modalwindows.h"
#include "platform/richtext/richtextbox.h"
#include "search/coursepages.h"
#include "search/recherche.h"

#include <QAction>
#include <QShortcut>

namespace {

void selectionner(RichTextBox& texteur, const QStringList& mots, int apres) {
    if (mots.isEmpty() || texteur.isHidden())
        return;
    const QList<Correspondance> trouvees = correspondances(texteur.plainText(), mots);
    if (trouvees.isEmpty())
        return;
    Correspondance choisie = trouvees.front();
    for (const Correspondance& c : trouvees)
        if (c.debut > apres) {
            choisie = c;
            break;
        }
    texteur.select(choisie.debut, choisie.longueur);
}

} // namespace

void installerRecherche(Multim& multim, std::function<RechercheContexte()> contexte) {
    auto* rechercher = new QAction(QStringLiteral("Rechercher dans le cours…"), &multim);
    rechercher->setObjectName(QStringLiteral("rechercher"));
    rechercher->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    multim.addAction(rechercher);
    multim.setContextMenuPolicy(Qt::ActionsContextMenu);
    QObject::connect(rechercher, &QAction::triggered, &multim, [contexte] {
        RechercheContexte c = contexte();
        ouvrirRecherche(c);
    });
    // A shortcut, not an action: the context menu shows every action of the window.
    auto* suivante = new QShortcut(QKeySequence(Qt::Key_F3), &multim);
    suivante->setObjectName(QStringLiteral("suivante"));
    QObject::connect(suivante, &QShortcut::activated, &multim, [contexte] {
        RechercheContexte c = contexte();
        correspondanceSuivante(c);
    });
}

void ouvrirRecherche(RechercheContexte& contexte) {
    if (!contexte.etat.index)
        contexte.etat.index =
            std::make_unique<IndexRecherche>(lirePagesDuCours(contexte.navigateur));
    Recherche fenetre(contexte, &contexte.navigateur.multim);
    contexte.navigateur.platform.modalWindows.run(fenetre);
}

void premiereCorrespondance(RechercheContexte& contexte) {
    selectionner(*contexte.navigateur.multim.texteur, contexte.etat.mots, -1);
}

void correspondanceSuivante(RechercheContexte& contexte) {
    RichTextBox& texteur = *contexte.navigateur.multim.texteur;
    selectionner(texteur, contexte.etat.mots, texteur.selectionStart());
}
