#pragma once

#include "dictionary/dictionarycontext.h"

// The main window's "Inde&x" button: the index, then the keyword window for the
// keyword chosen, back to the index as long as the pupil cancels there.
void command4_Click(DictionnaireContexte& contexte);

// The main window's "&Liens" button: the pages related to the one on screen.
void Command1_Click(DictionnaireContexte& contexte);
