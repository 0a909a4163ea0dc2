#include "navigator/pictureplacement.h"

#include "platform/forms/picturebox.h"

#include <cmath>

QSize tailleImage(const PictureBox& picture) {
    return picture.contentsRect().size();
}

void placerImage(PictureBox& picture4, const QString& genreCourant) {
    const QSize taille = tailleImage(picture4);
    // Half a pixel rounds to even.
    const int top = std::max(int(std::nearbyint((590 - taille.height()) / 2.0)), 100);
    int left = std::max(int(std::nearbyint(160 - taille.width() / 2.0)), 10);
    if (left == 10 && genreCourant == u"Image")
        left = 20;
    picture4.move(left, top);
    picture4.raise();
}
