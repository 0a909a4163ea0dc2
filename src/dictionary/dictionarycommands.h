#pragma once

#include "dictionary/dictionarycontext.h"

// The index flow, on a click of the main window's `command4` ("Inde&x"): the index,
// then the keyword window for the keyword chosen, back to the index as long as the
// pupil cancels there.
void ouvrirIndex(DictionnaireContexte& contexte);

// The related-pages command, on a click of the main window's `Command1` ("&Liens"):
// the pages related to the one on screen.
void ouvrirLiens(DictionnaireContexte& contexte);
