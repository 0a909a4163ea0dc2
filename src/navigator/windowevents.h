#pragma once

struct NavigationContexte;

// The main window's own events: the summary commands and choices, the clicks of the
// table entries, the bold hover feedback on plain entries, the page text box's rules
// and the labels whose click does what the icon beside them does.
void connecterFenetre(NavigationContexte& contexte);
