#pragma once

class Multim;
struct NavigationContexte;

// The main window's own events, each group in the file of its name.

// Every event of the main window: navigation, tables of contents, summaries, entries,
// hover feedback, forwarded clicks, the page text box, `Picture4` and the window size.
void connecterFenetre(NavigationContexte& contexte);

// summarycommands.cpp: the summary commands and choices, and the credits.
void connecterSommaires(NavigationContexte& contexte);

// entryclicks.cpp: `ettext(i)` and `Label20(i)` `Click`, each asking for the page its
// caption names.
void ettext_Click(NavigationContexte& contexte, int i);
void Label20_Click(NavigationContexte& contexte, int i);
void connecterEntrees(NavigationContexte& contexte);

// hoverfeedback.cpp: the bold on the plain entry under the mouse, and `resetSurvol`,
// which takes it off every plain entry once the mouse is elsewhere.
void resetSurvol(Multim& multim);
void connecterSurvol(Multim& multim);

// forwardedclicks.cpp: labels whose click does what the icon beside them does.
void connecterTransmissions(Multim& multim);

// pagetextevents.cpp: the page text box `texteur`.
void connecterTexte(Multim& multim);
