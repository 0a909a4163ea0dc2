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

// Xlib comes last: its macros (None, Bool, Status...) would clash with Qt's headers.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <memory>
#include <vector>

namespace {

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};

// A window that vanishes while it is looked at is no error worth ending for.
int ignoreError(Display*, XErrorEvent*) {
    return 0;
}

bool ownedBy(Display* display, Window window, Atom pidAtom, qint64 pid) {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) != Success ||
        !data)
        return false;
    const bool owned =
        format == 32 && count == 1 && qint64(*reinterpret_cast<unsigned long*>(data)) == pid;
    XFree(data);
    return owned;
}

// The viewable windows of the process among the root's children and, below a window
// manager's frames, their children.
std::vector<Window> windowsOf(Display* display, qint64 pid) {
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    std::vector<Window> found;
    const auto visit = [&](Window parent, int depth, auto& self) -> void {
        Window root = 0;
        Window up = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display, parent, &root, &up, &children, &count))
            return;
        for (unsigned int i = 0; i < count; ++i) {
            XWindowAttributes attributes;
            if (!XGetWindowAttributes(display, children[i], &attributes) ||
                attributes.map_state != IsViewable)
                continue;
            if (ownedBy(display, children[i], pidAtom, pid))
                found.push_back(children[i]);
            else if (depth > 0)
                self(children[i], depth - 1, self);
        }
        if (children)
            XFree(children);
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
    const std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
    if (!display)
        return false;
    const auto previous = XSetErrorHandler(ignoreError);
    const std::vector<Window> windows = windowsOf(display.get(), task);
    for (Window window : windows)
        bringToFront(display.get(), window);
    XSync(display.get(), False);
    XSetErrorHandler(previous);
    return !windows.empty();
}
