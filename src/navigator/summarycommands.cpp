#include "navigator/multim.h"
#include "navigator/namedpages.h"
#include "navigator/navigation.h"
#include "navigator/summaries.h"
#include "navigator/windowevents.h"
#include "platform/forms/formlabel.h"

#include <QPushButton>

void connecterSommaires(NavigationContexte& contexte) {
    Multim& m = contexte.multim;
    const auto sommaire = [&contexte](auto afficher) {
        return [&contexte, afficher] {
            SommaireContexte s = contexte.sommaire();
            afficher(s);
        };
    };
    QObject::connect(m.Command2, &QPushButton::clicked, &m, sommaire(afficherSommaire));
    QObject::connect(m.Image2, &FormLabel::clicked, m.Command2, &QPushButton::click);
    QObject::connect(m.command5, &QPushButton::clicked, &m, sommaire(afficherSommaireChimie));
    QObject::connect(m.command6, &QPushButton::clicked, &m, sommaire(afficherSommairePhysique));
    for (int i = 0; i <= 3; ++i) {
        const auto volet = sommaire([i](SommaireContexte& s) { afficherVolet(s, i); });
        QObject::connect(m.Image1(i), &FormLabel::clicked, &m, volet);
        QObject::connect(m.Label3(i), &FormLabel::clicked, m.Image1(i), &FormLabel::clicked);
    }
    const std::array<std::pair<FormLabel*, FormLabel*>, 3> themes = {
        {{m.Labelth1, m.Imath1}, {m.Labelth2, m.Imath2}, {m.Labelth3, m.Imath3}}};
    for (int t = 1; t <= 3; ++t) {
        const auto theme = sommaire([t](SommaireContexte& s) { afficherTheme(s, t); });
        QObject::connect(themes[t - 1].first, &FormLabel::clicked, &m, theme);
        QObject::connect(themes[t - 1].second, &FormLabel::clicked, &m, theme);
    }
    QObject::connect(m.Command13, &QPushButton::clicked, &m,
                     [&contexte] { quitterPourPage(contexte, namedpages::credits.toString()); });
}
