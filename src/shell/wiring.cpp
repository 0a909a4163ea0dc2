#include "shell/wiring.h"

#include "calculator/ouvrirmachine.h"
#include "navigator/multim.h"
#include "shell/applicationstate.h"

#include <QPushButton>

void connecterCommandes(Multim& multim, Platform& platform, ApplicationState& state) {
    QObject::connect(multim.Command3, &QPushButton::clicked, &multim,
                     [&] { ouvrirMachine(multim, platform, state.calculatrice); });
}
