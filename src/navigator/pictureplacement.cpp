#include "navigator/pictureplacement.h"

#include "common/numerictext.h"
#include "navigator/multim.h"
#include "navigator/navigationstate.h"
#include "platform/forms/picturebox.h"

QSize tailleImage(const PictureBox& picture) {
    return picture.contentsRect().size();
}

void placerImage(PictureBox& picture4, const QString& genreCourant) {
    const QSize taille = tailleImage(picture4);
    const int top = std::max(arrondi((590 - taille.height()) / 2.0), 100);
    int left = std::max(arrondi(160 - taille.width() / 2.0), 10);
    if (left == 10 && genreCourant == u"Image")
        left = 20;
    picture4.move(left, top);
    picture4.raise();
}

void Picture4_Change(Multim& m, NavigationState& nav) {
    nav.modeInteractif = 0;
    placerImage(*m.Picture4, nav.genreCourant);
}

void connecterPicture4(Multim& m, NavigationState& nav) {
    QObject::connect(m.Picture4, &PictureBox::pictureChanged, &m,
                     [&m, &nav] { Picture4_Change(m, nav); });
}
