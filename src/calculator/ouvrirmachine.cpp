#include "calculator/ouvrirmachine.h"

#include "calculator/machine.h"
#include "calculator/machinedesign.h"
#include "platform/modalwindows.h"
#include "platform/screen.h"

void ouvrirMachine(QWidget& mainWindow, const Platform& platform, EtatCalculatrice& etat) {
    Machine machine(platform, etat, &mainWindow);
    const TwipsScale twips(platform.screen.twipsPerPixelX(), platform.screen.twipsPerPixelY());
    machine.move(mainWindow.pos() + QPoint(twips.toPixelsX(machinedesign::offsetLeft),
                                           twips.toPixelsY(machinedesign::offsetTop)));
    platform.modalWindows.run(machine);
}

void ouvrirMachineDuTest(QWidget& mainWindow, const Platform& platform, EtatCalculatrice& etat) {
    Machine machine(platform, etat, &mainWindow);
    const TwipsScale twips(platform.screen.twipsPerPixelX(), platform.screen.twipsPerPixelY());
    machine.move(mainWindow.width() - machine.width() - twips.toPixelsX(machinedesign::offsetLeft),
                 mainWindow.y() + twips.toPixelsY(machinedesign::offsetTop));
    platform.modalWindows.run(machine);
}
