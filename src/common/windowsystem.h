#pragma once

// In a Wayland session with an X display at hand (XWayland), the programs run on
// Qt's X11 platform: the window services they rely on (finding, raising and closing
// other programs' windows, placing windows, display modes) are X11's, and the
// programs they start inherit the choice through the environment, so that all of
// them live on one display. Wayland stays the fallback when the X display cannot be
// reached. A platform the user has chosen (QT_QPA_PLATFORM) is kept. To be called
// before the application object is built.
void preferX11InWaylandSession();
