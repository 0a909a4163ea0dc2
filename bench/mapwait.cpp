// mapwait TITLE SETTLE_MS COMMAND [ARGS...]: starts COMMAND and prints, on one line,
// the milliseconds from the start to the mapping of its top-level window that is (or
// becomes) titled TITLE, and the program's resident memory in kilobytes SETTLE_MS later. Then ends
// the program. Exits 1 when no such window is mapped within ten seconds.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

std::string titleOf(Display* display, Window window) {
    XTextProperty property;
    std::string title;
    Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    if (XGetTextProperty(display, window, &property, netName) && property.value) {
        title.assign(reinterpret_cast<char*>(property.value), property.nitems);
        XFree(property.value);
    } else if (XGetWMName(display, window, &property) && property.value) {
        title.assign(reinterpret_cast<char*>(property.value), property.nitems);
        XFree(property.value);
    }
    return title;
}

long residentKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: mapwait TITLE SETTLE_MS COMMAND [ARGS...]\n");
        return 2;
    }
    const std::string wanted = argv[1];
    const int settleMs = std::atoi(argv[2]);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "mapwait: no X display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[3], argv + 3);
        _exit(127);
    }

    // A window may get its title only once mapped: each mapped window is watched until
    // one bears the title, and the time is that of its mapping.
    std::map<Window, Clock::time_point> mappedAt;
    bool mapped = false;
    double elapsedMs = 0;
    const Clock::time_point deadline = start + std::chrono::seconds(10);
    while (!mapped && Clock::now() < deadline) {
        if (!XPending(display)) {
            pollfd descriptor{ConnectionNumber(display), POLLIN, 0};
            poll(&descriptor, 1, 50);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        Window window = 0;
        if (event.type == MapNotify) {
            window = event.xmap.window;
            mappedAt.emplace(window, Clock::now());
            XSelectInput(display, window, PropertyChangeMask);
        } else if (event.type == PropertyNotify && mappedAt.count(event.xproperty.window)) {
            window = event.xproperty.window;
        } else {
            continue;
        }
        if (titleOf(display, window) == wanted) {
            mapped = true;
            elapsedMs = std::chrono::duration<double, std::milli>(mappedAt[window] - start).count();
        }
    }
    long rss = -1;
    if (mapped) {
        std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
        rss = residentKilobytes(child);
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (!mapped) {
        std::fprintf(stderr, "mapwait: no window titled \"%s\" was mapped\n", wanted.c_str());
        return 1;
    }
    std::printf("%.2f %ld\n", elapsedMs, rss);
    return 0;
}
