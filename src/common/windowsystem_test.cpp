#include "common/windowsystem.h"

#include <QByteArray>
#include <QList>
#include <gtest/gtest.h>
#include <initializer_list>

namespace {

constexpr std::initializer_list<const char*> variables = {"QT_QPA_PLATFORM", "DISPLAY",
                                                          "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"};

// The variables as the case sets them, and as they were once it is over.
class Environment {
public:
    Environment() {
        for (const char* name : variables) {
            saved_.append({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
            qunsetenv(name);
        }
    }
    ~Environment() {
        for (const Saved& s : saved_)
            s.set ? qputenv(s.name, s.value) : qunsetenv(s.name);
    }

private:
    struct Saved {
        const char* name;
        QByteArray value;
        bool set;
    };
    QList<Saved> saved_;
};

TEST(PreferX11InWaylandSession, ChoosesX11OnlyInAWaylandSessionWithAnXDisplayAndNoChoiceMade) {
    struct Case {
        const char* platform;
        const char* display;
        const char* waylandDisplay;
        const char* sessionType;
        const char* expected;
    };
    const Case cases[] = {
        {"", ":0", "wayland-0", "wayland", "xcb;wayland"},
        {"", ":0", "wayland-0", "", "xcb;wayland"},
        {"", ":0", "", "wayland", "xcb;wayland"},
        {"", "", "wayland-0", "wayland", ""},                 // no X display: Wayland itself
        {"", ":0", "", "x11", ""},                            // an X11 session
        {"wayland", ":0", "wayland-0", "wayland", "wayland"}, // the user's choice
        {"offscreen", ":0", "wayland-0", "", "offscreen"},
    };
    for (const Case& c : cases) {
        const Environment environment;
        const char* const values[] = {c.platform, c.display, c.waylandDisplay, c.sessionType};
        int i = 0;
        for (const char* name : variables) {
            if (*values[i])
                qputenv(name, values[i]);
            ++i;
        }
        preferX11InWaylandSession();
        EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), QByteArray(c.expected))
            << c.platform << " | " << c.display << " | " << c.waylandDisplay << " | "
            << c.sessionType;
    }
}

} // namespace
