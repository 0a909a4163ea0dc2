#include "navigator/multim.h"
#include "navigator/navigation.h"
#include "navigator/windowevents.h"
#include "platform/forms/formlabel.h"

void ettext_Click(NavigationContexte& contexte, int i) {
    quitterPourPage(contexte, contexte.multim.ettext(i)->text());
}

void Label20_Click(NavigationContexte& contexte, int i) {
    quitterPourPage(contexte, contexte.multim.Label20(i)->text());
}

void connecterEntrees(NavigationContexte& contexte) {
    Multim& m = contexte.multim;
    m.chapitres.apres([&m, &contexte] {
        for (const auto& [index, entree] : m.ettext)
            QObject::connect(entree, &FormLabel::clicked, &m,
                             [&contexte, i = index] { ettext_Click(contexte, i); });
    });
    for (const auto& [index, entree] : m.Label20)
        QObject::connect(entree, &FormLabel::clicked, &m,
                         [&contexte, i = index] { Label20_Click(contexte, i); });
}
