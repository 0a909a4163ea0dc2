#include "search/coursepages.h"

#include "common/spaces.h"
#include "navigator/contentdatabase.h"
#include "navigator/navigation.h"
#include "platform/richtext/boxtext.h"
#include "platform/richtext/rtfreader.h"

#include <QTextDocument>

QList<PageCherchee> lirePagesDuCours(NavigationContexte& navigateur) {
    QList<PageCherchee> pages;
    for (int n = 1; n <= dernierePageAdressable; ++n) {
        const PageRecord page = readPage(navigateur.cheminBase, n);
        if (trimSpaces(page.cle).isEmpty())
            break;
        PageCherchee cherchee{page.cle, {}};
        const QString chemin = trouverFichier(navigateur, page.texte);
        QTextDocument document;
        if (!chemin.isEmpty() && readRtfFile(chemin, document))
            cherchee.texte = boxtext::plainText(document);
        pages.append(cherchee);
    }
    return pages;
}
