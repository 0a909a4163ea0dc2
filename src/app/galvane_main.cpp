// GALVANE.EXE, the course navigator: the main window and its start-up over the real
// platform.

#include "common/windowsystem.h"
#include "navigator/multim.h"
#include "platform/desktopplatform.h"
#include "platform/screen.h"
#include "shell/applicationstate.h"
#include "shell/startup.h"
#include "shell/wiring.h"

#include <QApplication>

int main(int argc, char** argv) {
    preferX11InWaylandSession();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Galvane"));
    DesktopPlatform desktop;
    Platform platform = desktop.platform();
    ApplicationState state;
    Multim multim(platform.screen.twipsPerPixelX(), platform.screen.twipsPerPixelY());
    connecterCommandes(multim, platform, state);
    demarrer(platform, multim, state);
    return app.exec();
}
