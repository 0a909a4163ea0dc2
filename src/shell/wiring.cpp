#include "shell/wiring.h"

#include "calculator/ouvrirmachine.h"
#include "common/appdirectory.h"
#include "navigator/multim.h"
#include "navigator/navigation.h"
#include "platform/files.h"
#include "platform/forms/formlabel.h"
#include "shell/applicationstate.h"
#include "shell/locations.h"
#include "tests/testcommands.h"
#include "tests/testwindowcontext.h"

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
                           state.hauteursChapitres,
                           [&platform, &state](const QString& nom) {
                               QString chemin = nom;
                               localiserDonnees(platform, chemin, state.repertoireDonnees);
                               return chemin;
                           },
                           {},
                           state.alerteEcran});
    connecterNavigation(*state.navigateur);
}

void connecterTests(Multim& multim, Platform& platform, ApplicationState& state) {
    const auto contexte = [&] {
        return TestWindowContext{
            multim,           platform,           state.test,
            state.navigation, state.calculatrice, [&state] { allerPage(*state.navigateur); }};
    };
    for (const auto& boutons : {&multim.testcours, &multim.Label14})
        for (const auto& [i, bouton] : *boutons)
            QObject::connect(bouton, &FormLabel::clicked, &multim, [contexte, i] {
                TestWindowContext c = contexte();
                testcours_Click(i, c);
            });
    for (FormLabel* retour : {multim.btexo, multim.Label16})
        QObject::connect(retour, &FormLabel::clicked, &multim, [contexte] {
            TestWindowContext c = contexte();
            btexo_Click(c);
        });
}

} // namespace

void connecterCommandes(Multim& multim, Platform& platform, ApplicationState& state) {
    connecterNavigateur(multim, platform, state);
    connecterTests(multim, platform, state);
    QObject::connect(multim.Command3, &QPushButton::clicked, &multim,
                     [&] { ouvrirMachine(multim, platform, state.calculatrice); });
}
