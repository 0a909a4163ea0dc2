#include "navigator/tablefolding.h"

#include "common/numerictext.h"
#include "navigator/multim.h"
#include "navigator/tablelayout.h"
#include "platform/forms/formlabel.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>
#include <QScrollBar>
#include <cmath>

namespace {

QFrame* tableVisible(Multim& m) {
    if (!m.tablematchi->isHidden())
        return m.tablematchi;
    if (!m.tablematphy->isHidden())
        return m.tablematphy;
    return nullptr;
}

// The chapters of a part: chemistry 0–2, 3–5, 6–9; physics 10–13, 14–16, 17–18.
int partie(int chapitre) {
    constexpr std::array<int, 6> fins = {2, 5, 9, 13, 16, 18};
    for (int k = 0; k < int(fins.size()); ++k) {
        if (chapitre <= fins[k])
            return k;
    }
    return -1;
}

// The button's caption shows the fold state; its spoken name says what a press does.
void legender(Multim& m, int c, bool deplie) {
    m.btpm(c)->setText(deplie ? QStringLiteral("-") : QStringLiteral("+"));
    m.btpm(c)->setAccessibleName(
        (deplie ? QStringLiteral("Replier ") : QStringLiteral("Déplier ")) +
        m.chapi(c)->accessibleName());
}

void plier(Multim& m, int c) {
    m.twips().setHeight(*m.chapi(c), hauteurChapitrePlie);
    legender(m, c, false);
}

// Steps 1 and 2 of the range: the scroll bar's maximum for table `t`.
int bornerDefilement(Multim& m, QFrame& t) {
    const double hauteur = m.twips().rect(t).height();
    const int marge =
        std::max(arrondi((hauteur - m.Picture1->height() * m.twips().perPixelY()) / 2), 0);
    if (m.VScroll1->value() > marge)
        m.VScroll1->setValue(marge);
    m.VScroll1->setMaximum(marge);
    return marge;
}

} // namespace

void ajusterDefilement(Multim& m) {
    QFrame* table = tableVisible(m);
    if (!table)
        return;
    const int marge = bornerDefilement(m, *table);
    if (marge == 0) {
        m.VScroll1->hide();
        return;
    }
    m.VScroll1->show();
    m.VScroll1->raise();
    m.VScroll1->setValue(arrondi(-m.twips().rect(*table).top() / 2.0));
}

void basculerChapitre(Multim& m, int i, const std::array<qint16, 31>& hauteursChapitres) {
    const TwipsScale& twips = m.twips();
    QFrame* chapitre = m.chapi(i);
    if (!chapitre || i < 0 || i > 18)
        return;
    if (twips.rect(*chapitre).height() == hauteurChapitrePlie) {
        twips.setHeight(*chapitre, hauteursChapitres[i]);
        legender(m, i, true);
    } else {
        plier(m, i);
    }
    const bool chimie = i <= 9;
    for (int c = chimie ? 0 : 10; c <= (chimie ? 9 : 18); ++c) {
        if (partie(c) != partie(i))
            plier(m, c);
    }
    tablelayout::empilerChapitres(m, chimie);

    QFrame& table = chimie ? *m.tablematchi : *m.tablematphy;
    if (bornerDefilement(m, table) == 0) {
        m.VScroll1->hide();
    } else {
        m.VScroll1->show();
        m.VScroll1->update();
        m.btpm(i)->setFocus();
    }
    const QRect rect = twips.rect(*chapitre);
    const int vue = m.Picture1->height() * 15;
    if (rect.top() + rect.height() + twips.rect(table).top() > vue)
        m.VScroll1->setValue(arrondi(std::abs(vue - rect.top() - rect.height()) / 2.0));
    placerTitresParties(m);
}

namespace {

// A control that the keyboard reaches in the table scrolls into the viewport, as the
// wheel would have brought it there.
void montrerFocus(Multim& m, QWidget& focus) {
    QFrame* table = tableVisible(m);
    if (!table || m.VScroll1->isHidden() || !table->isAncestorOf(&focus))
        return;
    const double parPixel = m.twips().perPixelY();
    const double haut = focus.mapTo(table, QPoint(0, 0)).y() * parPixel;
    const double bas = haut + focus.height() * parPixel;
    const double vue = m.Picture1->height() * parPixel;
    const double sommet = -2.0 * m.VScroll1->value();
    if (sommet + haut < 0)
        m.VScroll1->setValue(int(std::floor(haut / 2)));
    else if (sommet + bas > vue)
        m.VScroll1->setValue(int(std::ceil((bas - vue) / 2)));
}

// The wheel over the table, its chapters and entries turns the scroll bar, so the
// table is placed by the scroll bar's own rule; the focus brings what it reaches into
// view.
class DefilementTable : public QObject {
public:
    DefilementTable(Multim& m) : QObject(&m), m_(m) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn)
            montrerFocus(m_, *static_cast<QWidget*>(watched));
        if (event->type() != QEvent::Wheel || m_.VScroll1->isHidden())
            return false;
        QCoreApplication::sendEvent(m_.VScroll1, event);
        return true;
    }

private:
    Multim& m_;
};

} // namespace

void connecterTables(Multim& m, const std::array<qint16, 31>& hauteursChapitres) {
    auto* defilement = new DefilementTable(m);
    m.Picture1->installEventFilter(defilement);
    QObject::connect(m.VScroll1, &QScrollBar::valueChanged, &m, [&m](int valeur) {
        for (QFrame* table : {m.tablematchi, m.tablematphy}) {
            if (!table->isHidden())
                m.twips().setTop(*table, -2 * valeur);
        }
    });
    m.chapitres.apres([&m, &hauteursChapitres, defilement] {
        for (QWidget* partie : m.Picture1->findChildren<QWidget*>())
            partie->installEventFilter(defilement);
        for (const auto& [i, bouton] : m.btpm) {
            const int chapitre = i;
            const auto basculer = [&m, &hauteursChapitres, chapitre] {
                basculerChapitre(m, chapitre, hauteursChapitres);
            };
            QObject::connect(bouton, &QPushButton::clicked, &m, basculer);
            if (FormLabel* titre = m.titchap(chapitre))
                QObject::connect(titre, &FormLabel::clicked, &m, basculer);
        }
    });
}
