#pragma once

#include "search/searchindex.h"

struct NavigationContexte;

// Every page of the content database, in its order, with its text as the rich-text box
// would show it: read from the application directory or the data directory as already
// found, never asking for the disc, so a page whose text is only on the disc is
// searched by its title alone.
QList<PageCherchee> lirePagesDuCours(NavigationContexte& navigateur);
