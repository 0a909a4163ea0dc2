#include "navigator/windowevents.h"

#include "navigator/multim.h"
#include "navigator/namedpages.h"
#include "navigator/navigation.h"
#include "navigator/summaries.h"
#include "platform/forms/formlabel.h"
#include "platform/forms/picturebox.h"
#include "platform/richtext/richtextbox.h"
#include "platform/screen.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <cmath>

namespace {

constexpr const char* proprieteEntree = "entreeDeTable";

// A plain entry is written in black; the entries given another colour keep their look.
bool simple(const FormLabel& label) {
    return label.palette().color(QPalette::WindowText) == QColor(Qt::black);
}

void mettreEnGras(FormLabel& label, bool gras) {
    QFont font = label.font();
    if (font.bold() == gras)
        return;
    font.setBold(gras);
    label.setFont(font);
}

void effacerSurvol(const ControlArray<FormLabel>& entrees, const FormLabel* sauf = nullptr) {
    for (const auto& [k, label] : entrees) {
        if (label != sauf && simple(*label))
            mettreEnGras(*label, false);
    }
}

// Leaving an entry for any neighbouring area removes its highlight.
class ResetSurvol : public QObject {
public:
    ResetSurvol(Multim& m) : QObject(&m), m_(m) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseMove && !surUneEntree(watched, event)) {
            if (watched == m_.Frathem) {
                effacerSurvol(m_.Label20);
            } else {
                effacerSurvol(m_.ettext);
                effacerSurvol(m_.Label20);
            }
        }
        return QObject::eventFilter(watched, event);
    }

    void surveiller(QWidget* control) {
        control->setMouseTracking(true);
        control->installEventFilter(this);
    }

private:
    // A move over an entry reaches the areas around it too, once the entry has had it.
    static bool surUneEntree(QObject* watched, QEvent* event) {
        const auto* zone = static_cast<QWidget*>(watched);
        const QWidget* dessous =
            zone->childAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        return dessous && dessous->property(proprieteEntree).toBool();
    }

    Multim& m_;
};

void surveillerSurvol(Multim& m) {
    auto* reset = new ResetSurvol(m);
    for (QWidget* control : std::initializer_list<QWidget*>{&m, m.Picture1, m.EXECHI, m.EXEPHY,
                                                            m.titre, m.titrelivre, m.Frathem})
        reset->surveiller(control);
    for (const auto* array : {&m.DOCU, &m.etsout, &m.icoess, &m.Image9, &m.testcours, &m.titchap})
        for (const auto& [k, control] : *array)
            reset->surveiller(control);
    for (const auto& [k, control] : m.chapi)
        reset->surveiller(control);

    // An entry turns bold whatever the others do, but only a plain one.
    for (const auto& [i, entree] : m.ettext) {
        FormLabel* label = entree;
        entree->setMouseTracking(true);
        entree->setProperty(proprieteEntree, true);
        QObject::connect(label, &FormLabel::mouseMoved, &m, [&m, label](QPoint) {
            if (simple(*label))
                mettreEnGras(*label, true);
            effacerSurvol(m.ettext, label);
        });
    }
    for (const auto& [i, entree] : m.Label20) {
        FormLabel* label = entree;
        entree->setMouseTracking(true);
        entree->setProperty(proprieteEntree, true);
        QObject::connect(label, &FormLabel::mouseMoved, &m, [&m, label](QPoint) {
            effacerSurvol(m.Label20, label);
            if (simple(*label))
                mettreEnGras(*label, true);
        });
    }
}

void connecterEntrees(NavigationContexte& contexte) {
    Multim& m = contexte.multim;
    const auto demander = [&contexte](FormLabel* label) {
        quitterPourPage(contexte, label->text());
    };
    for (const auto* array : {&m.ettext, &m.Label20}) {
        for (const auto& [i, entree] : *array) {
            FormLabel* label = entree;
            QObject::connect(label, &FormLabel::clicked, &m,
                             [demander, label] { demander(label); });
        }
    }
}

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

// A label beside an icon does what the icon does, with the hourglass meanwhile where
// the icon starts a module.
void transmettre(FormLabel* source, FormLabel* cible, bool sablier = false) {
    if (!source || !cible)
        return;
    QObject::connect(source, &FormLabel::clicked, cible, [source, cible, sablier] {
        const QCursor pointeur = source->cursor();
        if (sablier)
            source->setCursor(Qt::WaitCursor);
        Q_EMIT cible->clicked();
        if (sablier)
            source->setCursor(pointeur);
    });
}

void connecterTransmissions(Multim& m) {
    for (const auto& [i, label] : m.icoess)
        transmettre(label, m.essentiel(i));
    for (const auto& [i, label] : m.Label10)
        transmettre(label, m.Image6(i), true);
    for (const auto& [i, label] : m.Label21)
        transmettre(label, m.DOCU(i));
    for (const auto& [i, label] : m.Label22)
        transmettre(label, m.Image9(i));
    transmettre(m.Label12, m.Image3);
    transmettre(m.Labelexe, m.Imagexe, true);
}

// The page picture stays above the text it overlaps; the text keeps no selection once
// it has changed.
class EvenementsTexte : public QObject {
public:
    EvenementsTexte(Multim& m) : QObject(&m), m_(m) {}

    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type type = event->type();
        if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease) &&
            m_.Picture4->isVisible())
            m_.Picture4->raise();
        return false;
    }

private:
    Multim& m_;
};

void connecterTexte(Multim& m) {
    m.texteur->viewport()->installEventFilter(new EvenementsTexte(m));
    QObject::connect(m.texteur, &QTextEdit::textChanged, &m, [&m] {
        QTextCursor curseur = m.texteur->textCursor();
        if (curseur.hasSelection()) {
            curseur.clearSelection();
            m.texteur->setTextCursor(curseur);
        }
    });
}

// On a screen wider than 810 pixels the first resize only notes the large screen;
// every later one brings the window back to 800 × 600, centred.
class TailleFenetre : public QObject {
public:
    TailleFenetre(NavigationContexte& contexte) : QObject(&contexte.multim), c_(contexte) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize)
            retailler();
        return false;
    }

private:
    void retailler() {
        const Screen& ecran = c_.platform.screen;
        int t = int(std::lround(ecran.twipsPerPixelX()));
        if (t == 0)
            t = 15;
        if (ecran.widthTwips() / t <= 810)
            return;
        if (c_.alerteEcran != 2) {
            c_.alerteEcran = 2;
            return;
        }
        Multim& m = c_.multim;
        m.setWindowState(Qt::WindowNoState);
        const double largeur = 800 * ecran.twipsPerPixelX();
        const double hauteur = 600 * ecran.twipsPerPixelY();
        const double gauche = (ecran.widthTwips() - largeur) / 2;
        const double haut = (ecran.heightTwips() - hauteur) / 2;
        m.setOuterGeometry(QRect(int(gauche / ecran.twipsPerPixelX()),
                                 int(haut / ecran.twipsPerPixelY()), 800, 600));
    }

    NavigationContexte& c_;
};

} // namespace

void connecterFenetre(NavigationContexte& contexte) {
    Multim& m = contexte.multim;
    m.installEventFilter(new TailleFenetre(contexte));
    connecterSommaires(contexte);
    connecterEntrees(contexte);
    surveillerSurvol(m);
    connecterTransmissions(m);
    connecterTexte(m);
}
