#include "platform/xdesktopwindows.h"

#include <QByteArray>
#include <QFileInfo>
#include <QSysInfo>
#include <algorithm>

// Last: Xlib's macros would clash with the headers above.
#include "platform/xlibwindows.h"

namespace {

QString titleOf(Display* display, Window window) {
    int format = 0;
    const QByteArray utf8 =
        xlib::property(display, window, XInternAtom(display, "_NET_WM_NAME", False),
                       XInternAtom(display, "UTF8_STRING", False), format);
    if (!utf8.isEmpty())
        return QString::fromUtf8(utf8);
    return QString::fromLatin1(xlib::property(display, window, XA_WM_NAME, XA_STRING, format));
}

// The executable of the window's owner. Only a window of this machine can be told:
// the process id of another machine's client names no process here.
QString programOf(Display* display, Window window) {
    int format = 0;
    const QByteArray machine =
        xlib::property(display, window, XA_WM_CLIENT_MACHINE, AnyPropertyType, format);
    if (!machine.isEmpty() && QString::fromLatin1(machine) != QSysInfo::machineHostName())
        return {};
    const qint64 id = xlib::processOf(display, window);
    if (id == 0)
        return {};
    return QFileInfo(QStringLiteral("/proc/%1/exe").arg(id)).symLinkTarget();
}

// Bottom to top, as X lists them.
std::vector<Window> stacking(Display* display) {
    const Window root = DefaultRootWindow(display);
    int format = 0;
    const QByteArray list = xlib::property(
        display, root, XInternAtom(display, "_NET_CLIENT_LIST_STACKING", False), XA_WINDOW, format);
    if (format == 32 && !list.isEmpty()) {
        const auto* ids = reinterpret_cast<const unsigned long*>(list.constData());
        return {ids, ids + list.size() / qsizetype(sizeof(long))};
    }
    std::vector<Window> clients;
    for (Window top : xlib::children(display, root)) {
        if (!titleOf(display, top).isEmpty()) {
            clients.push_back(top);
            continue;
        }
        for (Window framed : xlib::children(display, top))
            clients.push_back(framed);
    }
    return clients;
}

} // namespace

void XDesktopWindows::Closer::operator()(Display* display) const {
    XCloseDisplay(display);
}

XDesktopWindows::XDesktopWindows() = default;
XDesktopWindows::~XDesktopWindows() = default;

Display* XDesktopWindows::display() {
    if (!display_)
        display_.reset(xlib::connect().release());
    return display_.get();
}

QList<DesktopWindows::Window> XDesktopWindows::topLevelWindows() {
    Display* display = this->display();
    if (!display)
        return {};
    const xlib::IgnoredErrors ignored(display);
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
    Display* display = this->display();
    if (!display || window == 0)
        return false;
    const xlib::IgnoredErrors ignored(display);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = ::Window(window);
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    return XSendEvent(display, ::Window(window), False, NoEventMask, &event) != 0;
}
