// dispotune.exe: checks the display, recommends an 800 × 600 mode, then hands over
// to the navigator.

#include "common/windowsystem.h"
#include "display/form1.h"
#include "platform/desktopplatform.h"
#include "platform/xrandrdisplaymodes.h"

#include <QApplication>

int main(int argc, char** argv) {
    preferX11InWaylandSession();
    QApplication application(argc, argv);
    DesktopPlatform desktop;
    Platform platform = desktop.platform();
    XrandrDisplayModes displayModes;
    Form1 form(platform, displayModes);
    form.show();
    return application.exec();
}
