#include "navigator/windowevents.h"

#include "navigator/navigation.h"
#include "navigator/navigationstate.h"
#include "navigator/pictureplacement.h"
#include "navigator/tablefolding.h"
#include "navigator/windowsize.h"

void connecterFenetre(NavigationContexte& contexte) {
    Multim& m = contexte.multim;
    connecterTailleFenetre(contexte);
    connecterNavigation(contexte);
    connecterTables(m, contexte.hauteursChapitres);
    connecterPicture4(m, contexte.navigation);
    connecterSommaires(contexte);
    connecterEntrees(contexte);
    connecterSurvol(m);
    connecterTransmissions(m);
    connecterTexte(m);
}
