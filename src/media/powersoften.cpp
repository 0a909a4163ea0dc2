#include "media/powersoften.h"

#include "calculator/numbertext.h"
#include "common/numerictext.h"
#include "navigator/multim.h"
#include "navigator/navigation.h"
#include "navigator/navigationstate.h"
#include "platform/forms/formlabel.h"
#include "platform/forms/picturebox.h"

#include <QFrame>

namespace {

struct Puissance {
    int exposant;
    const char16_t* image;
    const char16_t* legende;
};

// The bacterium's caption leaves room for `Label8`, the species, on the same line.
const Puissance puissances[] = {
    {24, u"GLIL1109Bh.JPG", u"L'Univers et ses milliers d'amas de galaxies."},
    {21, u"GLIL1109Bg.JPG", u"Une galaxie spirale."},
    {18, u"GLIL1109Bf.JPG", u"La Voie lactée."},
    {15, u"GLIL1109Be.JPG", u"La plus proche étoile est à 10 fois la largeur de cette image."},
    {12, u"GLIL1109Bd.JPG", u"Le système solaire."},
    {9, u"GLIL1109Bc.JPG", u"La Terre et la Lune."},
    {6, u"GLIL1109Bb.JPG", u"La France vue de satellite."},
    {3, u"GLIL1109Ba.JPG", u"Les Deux-Alpes (Isère) vue d'avion."},
    {0, u"GLIL1109.JPG", u"Une violoniste."},
    {-3, u"GLIL1109a.JPG", u"Des cheveux."},
    {-6, u"GLIL1109b.JPG", u"                                         (bactérie)."},
    {-9, u"GLIL1109c.JPG", u"Une molécule d'eau."},
    {-12, u"GLIL1109d.JPG", u"Le plus proche électron est à 20 fois la largeur de cette image."},
    {-15, u"GLIL1109e.JPG", u"Le noyau d'un atome."},
};

const Puissance* puissance(int exposant) {
    for (const Puissance& p : puissances)
        if (p.exposant == exposant)
            return &p;
    return nullptr;
}

// The exponent is what `Label24` shows; half a unit rounds to even.
int exposantAffiche(const Multim& m) {
    return arrondi(valeurNombre(m.Label24->text()).value_or(0));
}

} // namespace

void command11_Click(NavigationContexte& contexte) {
    Multim& m = contexte.multim;
    const int exposant = exposantAffiche(m) + 3;
    m.Label24->setText(QString::number(exposant));
    if (exposant > 21)
        m.command11->hide();
    m.Command9->show();
    afficherPuissance(contexte);
}

void Command9_Click(NavigationContexte& contexte) {
    Multim& m = contexte.multim;
    const int exposant = exposantAffiche(m) - 3;
    m.Label24->setText(QString::number(exposant));
    if (exposant < -12)
        m.Command9->hide();
    m.command11->show();
    afficherPuissance(contexte);
}

void afficherPuissance(NavigationContexte& contexte) {
    Multim& m = contexte.multim;
    m.Picture4->hide();
    const Puissance* p = puissance(exposantAffiche(m));
    const QString chemin = p ? resoudreFichier(contexte, QString::fromUtf16(p->image)) : QString();
    if (chemin.isEmpty()) {
        montrerSommaireGeneral(contexte);
        return;
    }
    // A damaged picture: the previous one stays, the pupil is told.
    if (!m.Picture4->loadPicture(chemin))
        fichierNonTrouve(contexte, chemin);
    m.Label8->hide();
    m.Label25->setText(QString::fromUtf16(p->legende));
    if (p->exposant == -6)
        m.Label8->show();
    m.Picture4->show();
    m.Picture4->raise();
}
