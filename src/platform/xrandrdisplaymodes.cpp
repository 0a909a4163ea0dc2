#include "platform/xrandrdisplaymodes.h"

#include <QProcess>
#include <QSize>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <algorithm>
#include <memory>
#include <optional>

namespace {

constexpr quint32 sizeAndDepthFields =
    DisplayModes::bitsPerPixelField | DisplayModes::widthField | DisplayModes::heightField;

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};
struct ResourcesFree {
    void operator()(XRRScreenResources* resources) const { XRRFreeScreenResources(resources); }
};
struct OutputFree {
    void operator()(XRROutputInfo* output) const { XRRFreeOutputInfo(output); }
};
struct CrtcFree {
    void operator()(XRRCrtcInfo* crtc) const { XRRFreeCrtcInfo(crtc); }
};

using DisplayPtr = std::unique_ptr<Display, DisplayCloser>;
using ResourcesPtr = std::unique_ptr<XRRScreenResources, ResourcesFree>;
using OutputPtr = std::unique_ptr<XRROutputInfo, OutputFree>;
using CrtcPtr = std::unique_ptr<XRRCrtcInfo, CrtcFree>;

// The default screen of the X server named by the environment, with RandR 1.2 or later.
struct RandrScreen {
    DisplayPtr display;
    Window root = 0;
    ResourcesPtr resources;
    RROutput output = 0;
    OutputPtr outputInfo;
};

bool hasRandr12(Display* display) {
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    return XRRQueryExtension(display, &eventBase, &errorBase) &&
           XRRQueryVersion(display, &major, &minor) && (major > 1 || (major == 1 && minor >= 2));
}

// The primary output when it is connected and lit, else the first lit one, else the
// first connected one.
RROutput chooseOutput(Display* display, Window root, XRRScreenResources* resources) {
    RROutput connected = 0;
    RROutput lit = 0;
    for (int i = 0; i < resources->noutput; ++i) {
        OutputPtr info(XRRGetOutputInfo(display, resources, resources->outputs[i]));
        if (!info || info->connection != RR_Connected)
            continue;
        if (!connected)
            connected = resources->outputs[i];
        if (!lit && info->crtc)
            lit = resources->outputs[i];
    }
    const RROutput primary = XRRGetOutputPrimary(display, root);
    if (primary && (primary == lit || (!lit && primary == connected)))
        return primary;
    return lit ? lit : connected;
}

std::optional<RandrScreen> openScreen() {
    RandrScreen screen;
    screen.display.reset(XOpenDisplay(nullptr));
    if (!screen.display || !hasRandr12(screen.display.get()))
        return std::nullopt;
    Display* display = screen.display.get();
    screen.root = DefaultRootWindow(display);
    screen.resources.reset(XRRGetScreenResourcesCurrent(display, screen.root));
    if (!screen.resources)
        return std::nullopt;
    screen.output = chooseOutput(display, screen.root, screen.resources.get());
    if (!screen.output)
        return std::nullopt;
    screen.outputInfo.reset(XRRGetOutputInfo(display, screen.resources.get(), screen.output));
    if (!screen.outputInfo)
        return std::nullopt;
    return screen;
}

const XRRModeInfo* modeInfo(const XRRScreenResources* resources, RRMode id) {
    for (int i = 0; i < resources->nmode; ++i)
        if (resources->modes[i].id == id)
            return &resources->modes[i];
    return nullptr;
}

// The output's first mode of that size: the server lists its preferred ones first.
RRMode findMode(const RandrScreen& screen, int width, int height) {
    for (int i = 0; i < screen.outputInfo->nmode; ++i) {
        const XRRModeInfo* info = modeInfo(screen.resources.get(), screen.outputInfo->modes[i]);
        if (info && int(info->width) == width && int(info->height) == height)
            return info->id;
    }
    return 0;
}

int screenDepth(Display* display) {
    return DefaultDepth(display, DefaultScreen(display));
}

// X errors of a change arrive asynchronously; they are caught here rather than
// ending the program as Xlib's default handler would.
bool xErrorSeen = false;
int recordXError(Display*, XErrorEvent*) {
    xErrorSeen = true;
    return 0;
}

class ErrorTrap {
public:
    explicit ErrorTrap(Display* display) : display_(display) {
        xErrorSeen = false;
        previous_ = XSetErrorHandler(recordXError);
    }
    ~ErrorTrap() { XSetErrorHandler(previous_); }
    bool failed() {
        XSync(display_, False);
        return xErrorSeen;
    }

private:
    Display* display_;
    XErrorHandler previous_;
};

// The smallest screen holding every lit CRTC, with `crtc` at its new size.
QSize screenSizeWith(const RandrScreen& screen, RRCrtc crtc, int width, int height) {
    Display* display = screen.display.get();
    int needWidth = 0;
    int needHeight = 0;
    for (int i = 0; i < screen.resources->ncrtc; ++i) {
        const RRCrtc id = screen.resources->crtcs[i];
        CrtcPtr info(XRRGetCrtcInfo(display, screen.resources.get(), id));
        if (!info || (!info->mode && id != crtc))
            continue;
        const int w = id == crtc ? width : int(info->width);
        const int h = id == crtc ? height : int(info->height);
        needWidth = std::max(needWidth, info->x + w);
        needHeight = std::max(needHeight, info->y + h);
    }
    return {needWidth, needHeight};
}

void setScreenSize(const RandrScreen& screen, QSize size) {
    Display* display = screen.display.get();
    const int number = DefaultScreen(display);
    const int currentWidth = DisplayWidth(display, number);
    const int currentHeight = DisplayHeight(display, number);
    // Keep the physical size per pixel, so the dots per inch stay the same.
    const int widthMm =
        currentWidth > 0 ? DisplayWidthMM(display, number) * size.width() / currentWidth : 0;
    const int heightMm =
        currentHeight > 0 ? DisplayHeightMM(display, number) * size.height() / currentHeight : 0;
    XRRSetScreenSize(display, screen.root, size.width(), size.height(), std::max(widthMm, 1),
                     std::max(heightMm, 1));
}

} // namespace

QList<DisplayMode> XrandrDisplayModes::modes() const {
    const std::optional<RandrScreen> screen = openScreen();
    if (!screen)
        return {};
    const int depth = screenDepth(screen->display.get());
    QList<DisplayMode> result;
    for (int i = 0; i < screen->outputInfo->nmode; ++i) {
        const XRRModeInfo* info = modeInfo(screen->resources.get(), screen->outputInfo->modes[i]);
        if (!info)
            continue;
        // Refresh rates are not part of a mode record: one record per size.
        const DisplayMode mode{depth, int(info->width), int(info->height), sizeAndDepthFields};
        if (!result.contains(mode))
            result.append(mode);
    }
    return result;
}

int XrandrDisplayModes::change(const DisplayMode& mode) {
    const std::optional<RandrScreen> screen = openScreen();
    if (!screen)
        return failed;
    Display* display = screen->display.get();
    if ((mode.fields & bitsPerPixelField) && mode.bitsPerPixel != screenDepth(display))
        return badMode;

    const RRCrtc crtc = screen->outputInfo->crtc
                            ? screen->outputInfo->crtc
                            : (screen->outputInfo->ncrtc > 0 ? screen->outputInfo->crtcs[0] : 0);
    if (!crtc)
        return failed;
    CrtcPtr crtcInfo(XRRGetCrtcInfo(display, screen->resources.get(), crtc));
    if (!crtcInfo)
        return failed;

    const int width = (mode.fields & widthField) ? mode.width : int(crtcInfo->width);
    const int height = (mode.fields & heightField) ? mode.height : int(crtcInfo->height);
    const RRMode target = findMode(*screen, width, height);
    if (!target)
        return badMode;
    if (crtcInfo->mode == target)
        return changed;

    const QSize newScreen = screenSizeWith(*screen, crtc, width, height);
    const int number = DefaultScreen(display);
    const bool grows = newScreen.width() > DisplayWidth(display, number) ||
                       newScreen.height() > DisplayHeight(display, number);

    ErrorTrap trap(display);
    XGrabServer(display);
    if (grows)
        setScreenSize(*screen, newScreen);
    RROutput output = screen->output;
    const Status status =
        XRRSetCrtcConfig(display, screen->resources.get(), crtc, CurrentTime, crtcInfo->x,
                         crtcInfo->y, target, crtcInfo->rotation, &output, 1);
    if (status == RRSetConfigSuccess && !grows)
        setScreenSize(*screen, newScreen);
    XUngrabServer(display);
    if (trap.failed() || status != RRSetConfigSuccess)
        return failed;
    return changed;
}

bool XrandrDisplayModes::requestRestart() {
    // systemctl asks the login manager, which checks that the user may restart.
    return QProcess::startDetached(QStringLiteral("systemctl"), {QStringLiteral("reboot")});
}
