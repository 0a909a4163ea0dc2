#pragma once

#include <functional>

class Multim;
struct EtatCalculatrice;
struct NavigationState;
struct Platform;
struct TestSession;

// What the test window works with: the main window it returns to, the session and
// the navigation values it hands back. `allerPage` shows the page named by the
// navigation's `cleCourante`; the opener calls it after the window closes when the
// pupil asked for the course.
struct TestWindowContext {
    Multim& multim;
    Platform& platform;
    TestSession& session;
    NavigationState& navigation;
    EtatCalculatrice& calculatrice;
    std::function<void()> allerPage;
};
