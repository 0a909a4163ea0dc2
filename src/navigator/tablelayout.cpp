#include "navigator/tablelayout.h"

#include "navigator/multim.h"
#include "platform/forms/formlabel.h"

#include <QPushButton>
#include <array>

namespace {

constexpr std::array<int, 6> premiersChapitres = {0, 3, 6, 10, 14, 17};

bool debutDePartie(int chapitre) {
    for (int first : premiersChapitres) {
        if (first == chapitre)
            return true;
    }
    return false;
}

} // namespace

void tablelayout::empilerChapitres(Multim& multim, bool chimie) {
    const TwipsScale& twips = multim.twips();
    const int first = chimie ? 0 : 10;
    const int last = chimie ? 9 : 18;
    for (int c = first + 1; c <= last; ++c) {
        QFrame* previous = multim.chapi(c - 1);
        QFrame* chapter = multim.chapi(c);
        const QRect above = twips.rect(*previous);
        const int top =
            above.top() + above.height() + ecartChapitres + (debutDePartie(c) ? ecartParties : 0);
        twips.setTop(*chapter, top);
        twips.setTop(*multim.btpm(c), top);
    }
    const QRect lastChapter = twips.rect(*multim.chapi(last));
    twips.setHeight(chimie ? *multim.tablematchi : *multim.tablematphy,
                    lastChapter.top() + lastChapter.height());
}

void placerTitresParties(Multim& multim) {
    const TwipsScale& twips = multim.twips();
    for (int k = 0; k < int(premiersChapitres.size()); ++k) {
        FormLabel* heading = multim.Label7(k);
        twips.setLeft(*heading, 300);
        twips.setTop(*heading, twips.rect(*multim.btpm(premiersChapitres[k])).top() - 390);
        heading->setAlignment(Qt::AlignCenter);
    }
}
