#include "navigator/windowsize.h"

#include "common/numerictext.h"
#include "navigator/multim.h"
#include "navigator/navigation.h"
#include "platform/screen.h"

#include <QEvent>

namespace {

class TailleFenetre : public QObject {
public:
    TailleFenetre(NavigationContexte& contexte) : QObject(&contexte.multim), c_(contexte) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize)
            Form_Resize(c_);
        return false;
    }

private:
    NavigationContexte& c_;
};

} // namespace

float largeurEcran(const Screen& screen) {
    int p = roundToInt16(screen.twipsPerPixelX());
    if (p == 0)
        p = 15;
    return float(screen.widthTwips() / p);
}

// The size is worked out in twips with the screen's unrounded factors, as the window
// is measured outside.
void centrerFenetre(Multim& m, const Screen& screen) {
    m.setWindowState(Qt::WindowNoState);
    const double largeur = 800 * screen.twipsPerPixelX();
    const double hauteur = 600 * screen.twipsPerPixelY();
    const double gauche = (screen.widthTwips() - largeur) / 2;
    const double haut = (screen.heightTwips() - hauteur) / 2;
    m.setOuterGeometry(QRect(int(gauche / screen.twipsPerPixelX()),
                             int(haut / screen.twipsPerPixelY()), 800, 600));
}

void Form_Resize(NavigationContexte& contexte) {
    const Screen& ecran = contexte.platform.screen;
    if (largeurEcran(ecran) <= 810)
        return;
    if (contexte.alerteEcran != 2) {
        contexte.alerteEcran = 2;
        return;
    }
    centrerFenetre(contexte.multim, ecran);
}

void connecterTailleFenetre(NavigationContexte& contexte) {
    contexte.multim.installEventFilter(new TailleFenetre(contexte));
}
