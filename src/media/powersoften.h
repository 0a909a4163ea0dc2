#pragma once

struct NavigationContexte;

// The powers-of-ten viewer in `Frame1`: the exponent in `Label24` (24 down to −15 in
// steps of 3), its picture in `Picture4`, its caption in `Label25`.

// `command11` Click: one step up, to the larger scale.
void command11_Click(NavigationContexte& contexte);

// `Command9` Click: one step down, to the smaller scale.
void Command9_Click(NavigationContexte& contexte);

// `afficherPuissance`: the picture and caption of the exponent in `Label24`, the
// picture found beside the program, in the data folder or on the disc. When the user
// gives up the disc, the general summary shows instead.
void afficherPuissance(NavigationContexte& contexte);
