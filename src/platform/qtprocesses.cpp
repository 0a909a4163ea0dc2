#include "platform/qtprocesses.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <cstdlib>

QString locateProgram(const QString& program) {
    if (program.isEmpty())
        return {};
    if (program.contains(u'/'))
        return program;
    for (const QDir& directory : {QDir(QCoreApplication::applicationDirPath()), QDir::current()}) {
        const QFileInfo candidate(directory, program);
        if (candidate.isFile() && candidate.isExecutable())
            return candidate.absoluteFilePath();
    }
    return QStandardPaths::findExecutable(program);
}

qint64 QtProcesses::start(const QString& program, const QStringList& arguments, WindowStyle) {
    const QString path = locateProgram(program);
    if (path.isEmpty())
        return 0;
    qint64 pid = 0;
    if (!QProcess::startDetached(path, arguments, QString(), &pid))
        return 0;
    return pid;
}

void QtProcesses::endProgram() {
    std::exit(0);
}

// Last: Xlib's macros would clash with the headers above.
#include "platform/xlibwindows.h"

namespace {

// The viewable windows of the process among the root's children and, below a window
// manager's frames, their children.
std::vector<Window> windowsOf(Display* display, qint64 pid) {
    std::vector<Window> found;
    const auto visit = [&](Window parent, int depth, auto& self) -> void {
        for (Window child : xlib::children(display, parent)) {
            XWindowAttributes attributes;
            if (!XGetWindowAttributes(display, child, &attributes) ||
                attributes.map_state != IsViewable)
                continue;
            if (xlib::processOf(display, child) == pid)
                found.push_back(child);
            else if (depth > 0)
                self(child, depth - 1, self);
        }
    };
    visit(DefaultRootWindow(display), 1, visit);
    return found;
}

// Asks the window manager to activate the window (the user asked for it), and raises
// and focuses it directly for a desktop without one.
void bringToFront(Display* display, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 2; // a direct user action
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, DefaultRootWindow(display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XRaiseWindow(display, window);
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
}

} // namespace

bool QtProcesses::activate(qint64 task) {
    if (task <= 0)
        return false;
    const xlib::Connection display = xlib::connect();
    if (!display)
        return false;
    const xlib::IgnoredErrors ignored(display.get());
    const std::vector<Window> windows = windowsOf(display.get(), task);
    for (Window window : windows)
        bringToFront(display.get(), window);
    return !windows.empty();
}
