#include "shell/wiring.h"

#include "calculator/ouvrirmachine.h"
#include "common/appdirectory.h"
#include "navigator/multim.h"
#include "navigator/navigation.h"
#include "platform/files.h"
#include "shell/applicationstate.h"
#include "shell/locations.h"

#include <QPushButton>

namespace {

void connecterNavigateur(Multim& multim, Platform& platform, ApplicationState& state) {
    state.navigateur = std::make_unique<NavigationContexte>(
        NavigationContexte{multim,
                           platform,
                           state.navigation,
                           state.videoEnCours,
                           repertoireProgramme(platform.files.executableDirectory()),
                           state.repertoireDonnees,
                           state.cheminBase,
                           [&platform, &state](const QString& nom) {
                               QString chemin = nom;
                               localiserDonnees(platform, chemin, state.repertoireDonnees);
                               return chemin;
                           },
                           {}});
    connecterNavigation(*state.navigateur);
}

} // namespace

void connecterCommandes(Multim& multim, Platform& platform, ApplicationState& state) {
    connecterNavigateur(multim, platform, state);
    QObject::connect(multim.Command3, &QPushButton::clicked, &multim,
                     [&] { ouvrirMachine(multim, platform, state.calculatrice); });
}
