#pragma once

#include <QPoint>

class Multim;
struct NavigationState;

// `Picture4_MouseMove`: the picture comes to the front; over the solar-system picture,
// entering a body replaces the page text with its data sheet. `position` is in the
// picture's own pixels.
void Picture4_MouseMove(Multim& multim, NavigationState& navigation, QPoint position);
