#include "dictionary/dictionarycommands.h"

#include "calculator/machinedesign.h"
#include "dictionary/coordon.h"
#include "dictionary/dictionarylookup.h"
#include "dictionary/htrub.h"
#include "dictionary/lier.h"
#include "navigator/multim.h"
#include "navigator/navigation.h"
#include "navigator/navigationstate.h"
#include "platform/modalwindows.h"
#include "platform/screen.h"

namespace {

void choisirMotCle(DictionnaireContexte& contexte) {
    NavigationContexte& navigateur = contexte.navigateur;
    Multim& multim = navigateur.multim;
    const TwipsScale twips(navigateur.platform.screen.twipsPerPixelX(),
                           navigateur.platform.screen.twipsPerPixelY());
    Coordon index(contexte, &multim);
    // The index stands where the calculator would, at the calculator's size.
    index.setFixedSize(twips.toPixels(machinedesign::client));
    index.move(multim.pos() + QPoint(twips.toPixelsX(machinedesign::offsetLeft),
                                     twips.toPixelsY(machinedesign::offsetTop)));
    navigateur.platform.modalWindows.run(index);
}

} // namespace

void ouvrirIndex(DictionnaireContexte& contexte) {
    DictionaryState& dico = contexte.dico;
    do {
        contexte.fenetres.fermer();
        dico.etatIndex = 0;
        choisirMotCle(contexte);
        contexte.fenetres.fermer();
        if (dico.etatIndex != -1)
            break;
        HTRUB motCle(contexte, &contexte.navigateur.multim);
        contexte.navigateur.platform.modalWindows.run(motCle);
    } while (dico.etatIndex == 0);
    contexte.fenetres.fermer();
}

void ouvrirLiens(DictionnaireContexte& contexte) {
    contexte.fenetres.fermer();
    DictionaryState& dico = contexte.dico;
    dico.etatIndex = 0;
    const QStringList pages =
        pagesLiees(dico.cheminDico, dico.finDico, contexte.navigateur.navigation.cleCourante);
    Lier liens(contexte, pages, &contexte.navigateur.multim);
    contexte.navigateur.platform.modalWindows.run(liens);
}
