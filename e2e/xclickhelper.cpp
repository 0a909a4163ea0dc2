// Sends input straight to an X window: a left click at a point of it
// (`click WINDOW X Y`) or a key press and release (`key WINDOW KEYSYM`). A
// compositor's XWayland without any input device ends when the pointer is moved
// through XTEST, so a scenario there cannot use xdotool's input.
//
// `activation WINDOW SECONDS` watches the root window for a request to the desktop
// to activate that window (_NET_ACTIVE_WINDOW): it prints "ready" once it watches,
// then "source N" (the request's source indication) when the request comes, or
// ends with status 1 when none came in time. A compositor without a seat activates
// no window, so the request is what there is to see.

#include <X11/Xlib.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>

namespace {

void button(Display* display, Window window, int type, int x, int y) {
    Window child = 0;
    int rootX = 0;
    int rootY = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), x, y, &rootX, &rootY,
                          &child);
    XEvent event{};
    event.xbutton.type = type;
    event.xbutton.display = display;
    event.xbutton.window = window;
    event.xbutton.root = DefaultRootWindow(display);
    event.xbutton.time = CurrentTime;
    event.xbutton.x = x;
    event.xbutton.y = y;
    event.xbutton.x_root = rootX;
    event.xbutton.y_root = rootY;
    event.xbutton.button = Button1;
    event.xbutton.state = type == ButtonRelease ? Button1Mask : 0;
    event.xbutton.same_screen = True;
    XSendEvent(display, window, True, type == ButtonPress ? ButtonPressMask : ButtonReleaseMask,
               &event);
}

void key(Display* display, Window window, int type, KeySym keysym) {
    XEvent event{};
    event.xkey.type = type;
    event.xkey.display = display;
    event.xkey.window = window;
    event.xkey.root = DefaultRootWindow(display);
    event.xkey.time = CurrentTime;
    event.xkey.keycode = XKeysymToKeycode(display, keysym);
    event.xkey.same_screen = True;
    XSendEvent(display, window, True, type == KeyPress ? KeyPressMask : KeyReleaseMask, &event);
}

// The source indication of the first activation request for the window, or -1.
long awaitActivation(Display* display, Window window, int seconds) {
    const Atom activeWindow = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    std::printf("ready\n");
    std::fflush(stdout);
    using clock = std::chrono::steady_clock;
    const auto deadline = clock::now() + std::chrono::seconds(seconds);
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == ClientMessage && event.xclient.message_type == activeWindow &&
                event.xclient.window == window)
                return event.xclient.data.l[0];
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - clock::now());
        if (left.count() <= 0)
            return -1;
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, int(left.count()));
    }
}

} // namespace

int main(int argc, char** argv) {
    const bool click = argc == 5 && std::strcmp(argv[1], "click") == 0;
    const bool press = argc == 4 && std::strcmp(argv[1], "key") == 0;
    const bool watch = argc == 4 && std::strcmp(argv[1], "activation") == 0;
    if (!click && !press && !watch) {
        std::fprintf(stderr,
                     "usage: %s click WINDOW X Y | key WINDOW KEYSYM | activation WINDOW SECONDS\n",
                     argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X server\n");
        return 1;
    }
    const Window window = std::strtoul(argv[2], nullptr, 0);
    if (watch) {
        const long source = awaitActivation(display, window, std::atoi(argv[3]));
        XCloseDisplay(display);
        if (source < 0)
            return 1;
        std::printf("source %ld\n", source);
        return 0;
    }
    if (click) {
        const int x = std::atoi(argv[3]);
        const int y = std::atoi(argv[4]);
        button(display, window, ButtonPress, x, y);
        button(display, window, ButtonRelease, x, y);
    } else {
        const KeySym keysym = XStringToKeysym(argv[3]);
        key(display, window, KeyPress, keysym);
        key(display, window, KeyRelease, keysym);
    }
    XCloseDisplay(display);
    return 0;
}
