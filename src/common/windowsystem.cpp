#include "common/windowsystem.h"

#include <QByteArray>
#include <QString>

void preferX11InWaylandSession() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
                         qEnvironmentVariable("XDG_SESSION_TYPE") == u"wayland";
    if (wayland)
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}
