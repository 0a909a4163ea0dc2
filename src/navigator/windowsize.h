#pragma once

class Multim;
class Screen;
struct NavigationContexte;

// The screen's width in pixels: its width in twips over its twips per pixel rounded
// half to even (15 when that gives 0).
float largeurEcran(const Screen& screen);

// The main window back in the normal state, 800 × 600 outside and centred.
void centrerFenetre(Multim& multim, const Screen& screen);

// `Form_Resize`: on a screen wider than 810 pixels the first resize only notes the
// large screen; every later one brings the window back to 800 × 600, centred.
void Form_Resize(NavigationContexte& contexte);
void connecterTailleFenetre(NavigationContexte& contexte);
