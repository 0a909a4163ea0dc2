#include "calculator/ouvrirmachine.h"

#include "calculator/machine.h"
#include "calculator/machinedesign.h"
#include "platform/modalwindows.h"
#include "platform/screen.h"

namespace {

// The calculator runs modally where `place` puts it, given its own size.
template <typename Place>
void ouvrirA(QWidget& mainWindow, const Platform& platform, EtatCalculatrice& etat, Place place) {
    Machine machine(platform, etat, &mainWindow);
    const TwipsScale twips(platform.screen.twipsPerPixelX(), platform.screen.twipsPerPixelY());
    machine.move(place(machine, twips));
    platform.modalWindows.run(machine);
}

} // namespace

void ouvrirMachine(QWidget& mainWindow, const Platform& platform, EtatCalculatrice& etat) {
    ouvrirA(mainWindow, platform, etat, [&](const Machine&, const TwipsScale& twips) {
        return mainWindow.pos() + QPoint(twips.toPixelsX(machinedesign::offsetLeft),
                                         twips.toPixelsY(machinedesign::offsetTop));
    });
}

void ouvrirMachineDuTest(QWidget& mainWindow, const Platform& platform, EtatCalculatrice& etat) {
    ouvrirA(mainWindow, platform, etat, [&](const Machine& machine, const TwipsScale& twips) {
        return QPoint(mainWindow.width() - machine.width() -
                          twips.toPixelsX(machinedesign::offsetLeft),
                      mainWindow.y() + twips.toPixelsY(machinedesign::offsetTop));
    });
}
