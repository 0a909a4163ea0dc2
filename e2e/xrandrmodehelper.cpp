// Adds a WIDTHxHEIGHT mode to the X server's first connected output and stays
// connected until its standard input closes: the server forgets a created mode
// when its creator disconnects. Prints "ready" once the mode can be used.

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s WIDTH HEIGHT\n", argv[0]);
        return 2;
    }
    const unsigned width = std::strtoul(argv[1], nullptr, 10);
    const unsigned height = std::strtoul(argv[2], nullptr, 10);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X server\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, root);
    RROutput output = 0;
    for (int i = 0; resources && i < resources->noutput && !output; ++i) {
        XRROutputInfo* info = XRRGetOutputInfo(display, resources, resources->outputs[i]);
        if (info && info->connection == RR_Connected)
            output = resources->outputs[i];
        XRRFreeOutputInfo(info);
    }
    if (!output) {
        std::fprintf(stderr, "no connected output\n");
        return 1;
    }

    std::string name = std::to_string(width) + "x" + std::to_string(height);
    XRRModeInfo mode{};
    mode.width = width;
    mode.height = height;
    // Timings of a 60 Hz mode; Xvfb ignores them but clients read a refresh rate.
    mode.hTotal = width + 256;
    mode.vTotal = height + 28;
    mode.hSyncStart = width + 40;
    mode.hSyncEnd = width + 168;
    mode.vSyncStart = height + 1;
    mode.vSyncEnd = height + 5;
    mode.dotClock = static_cast<unsigned long>(mode.hTotal) * mode.vTotal * 60;
    mode.name = name.data();
    mode.nameLength = name.size();
    const RRMode id = XRRCreateMode(display, root, &mode);
    XRRAddOutputMode(display, output, id);
    XSync(display, False);
    XRRFreeScreenResources(resources);

    std::printf("ready\n");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    XCloseDisplay(display);
    return 0;
}
