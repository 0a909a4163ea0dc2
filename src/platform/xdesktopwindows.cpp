#include "platform/xdesktopwindows.h"

#include <QByteArray>
#include <QFileInfo>
#include <QSysInfo>

// Xlib comes last: its macros (None, Bool, Status...) would clash with Qt's headers.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <algorithm>
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

class Connection {
public:
    Connection() : display_(XOpenDisplay(nullptr)) {
        if (display_)
            previous_ = XSetErrorHandler(ignoreError);
    }
    ~Connection() {
        if (!display_)
            return;
        XSync(display_.get(), False);
        XSetErrorHandler(previous_);
    }
    Display* get() const { return display_.get(); }

private:
    std::unique_ptr<Display, DisplayCloser> display_;
    int (*previous_)(Display*, XErrorEvent*) = nullptr;
};

QByteArray property(Display* display, Window window, Atom name, Atom type, int& format) {
    Atom actualType = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    format = 0;
    if (XGetWindowProperty(display, window, name, 0, 1 << 16, False, type, &actualType, &format,
                           &count, &after, &data) != Success ||
        !data)
        return {};
    const qsizetype bytes = qsizetype(count) * (format == 32 ? sizeof(long) : format / 8);
    QByteArray value(reinterpret_cast<const char*>(data), bytes);
    XFree(data);
    return value;
}

QString titleOf(Display* display, Window window) {
    int format = 0;
    const QByteArray utf8 = property(display, window, XInternAtom(display, "_NET_WM_NAME", False),
                                     XInternAtom(display, "UTF8_STRING", False), format);
    if (!utf8.isEmpty())
        return QString::fromUtf8(utf8);
    return QString::fromLatin1(property(display, window, XA_WM_NAME, XA_STRING, format));
}

// The executable of the window's owner. Only a window of this machine can be told:
// the process id of another machine's client names no process here.
QString programOf(Display* display, Window window) {
    int format = 0;
    const QByteArray machine =
        property(display, window, XA_WM_CLIENT_MACHINE, AnyPropertyType, format);
    if (!machine.isEmpty() && QString::fromLatin1(machine) != QSysInfo::machineHostName())
        return {};
    const QByteArray pid =
        property(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, format);
    if (format != 32 || pid.size() != qsizetype(sizeof(long)))
        return {};
    const auto id = *reinterpret_cast<const unsigned long*>(pid.constData());
    return QFileInfo(QStringLiteral("/proc/%1/exe").arg(id)).symLinkTarget();
}

std::vector<Window> children(Display* display, Window parent) {
    Window root = 0;
    Window up = 0;
    Window* list = nullptr;
    unsigned int count = 0;
    std::vector<Window> found;
    if (XQueryTree(display, parent, &root, &up, &list, &count) && list)
        found.assign(list, list + count);
    if (list)
        XFree(list);
    return found;
}

// Bottom to top, as X lists them.
std::vector<Window> stacking(Display* display) {
    const Window root = DefaultRootWindow(display);
    int format = 0;
    const QByteArray list = property(
        display, root, XInternAtom(display, "_NET_CLIENT_LIST_STACKING", False), XA_WINDOW, format);
    if (format == 32 && !list.isEmpty()) {
        const auto* ids = reinterpret_cast<const unsigned long*>(list.constData());
        return {ids, ids + list.size() / qsizetype(sizeof(long))};
    }
    std::vector<Window> clients;
    for (Window top : children(display, root)) {
        if (!titleOf(display, top).isEmpty()) {
            clients.push_back(top);
            continue;
        }
        for (Window framed : children(display, top))
            clients.push_back(framed);
    }
    return clients;
}

} // namespace

QList<DesktopWindows::Window> XDesktopWindows::topLevelWindows() {
    const Connection connection;
    Display* display = connection.get();
    if (!display)
        return {};
    std::vector<::Window> order = stacking(display);
    std::reverse(order.begin(), order.end());
    QList<Window> windows;
    for (::Window window : order) {
        if (QString title = titleOf(display, window); !title.isEmpty())
            windows.append({quint64(window), std::move(title), programOf(display, window)});
    }
    return windows;
}

bool XDesktopWindows::postQuit(quint64 window) {
    const Connection connection;
    Display* display = connection.get();
    if (!display || window == 0)
        return false;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = ::Window(window);
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    return XSendEvent(display, ::Window(window), False, NoEventMask, &event) != 0;
}
