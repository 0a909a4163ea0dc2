#include "media/documentary.h"

#include "navigator/namedpages.h"
#include "navigator/navigation.h"

#include <algorithm>

void DOCU_Click(NavigationContexte& contexte, int index) {
    const auto& pages = namedpages::documentaryPages;
    const auto page = std::find_if(pages.begin(), pages.end(),
                                   [index](const auto& p) { return p.index == index; });
    // An empty key leads to the general summary.
    quitterPourPage(contexte, page == pages.end() ? QString() : page->key.toString());
}
