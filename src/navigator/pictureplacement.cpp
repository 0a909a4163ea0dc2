#include "navigator/pictureplacement.h"

#include "platform/forms/picturebox.h"

void placerImage(PictureBox& picture4, const QString& genreCourant) {
    const int top = std::max((590 - picture4.height()) / 2, 100);
    int left = std::max(160 - picture4.width() / 2, 10);
    if (left == 10 && genreCourant == u"Image")
        left = 20;
    picture4.move(left, top);
    picture4.raise();
}
