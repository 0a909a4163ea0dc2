#include "platform/xlibwindows.h"

namespace xlib {

namespace {

int ignoreError(Display*, XErrorEvent*) {
    return 0;
}

} // namespace

Connection connect() {
    return Connection(XOpenDisplay(nullptr));
}

IgnoredErrors::IgnoredErrors(Display* display)
    : display_(display), previous_(XSetErrorHandler(ignoreError)) {}

IgnoredErrors::~IgnoredErrors() {
    XSync(display_, False);
    XSetErrorHandler(previous_);
}

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

qint64 processOf(Display* display, Window window) {
    int format = 0;
    const QByteArray pid =
        property(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, format);
    if (format != 32 || pid.size() != qsizetype(sizeof(long)))
        return 0;
    return qint64(*reinterpret_cast<const unsigned long*>(pid.constData()));
}

} // namespace xlib
