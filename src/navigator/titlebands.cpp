#include "navigator/titlebands.h"

#include "common/numerictext.h"
#include "platform/forms/picturebox.h"

namespace {

enum class Famille { Bleue, Verte, Orange };

Famille familleDuStyle(int style) {
    if (style <= 1)
        return Famille::Bleue;
    return style <= 3 ? Famille::Verte : Famille::Orange;
}

} // namespace

void peindreBandeaux(PictureBox& titre, PictureBox& bastitre, int style) {
    titre.resize(bastitre.width(), 60);
    bastitre.resize(bastitre.width(), 30);
    if (style >= 0 && style <= 5) {
        const Famille famille = familleDuStyle(style);
        titre.clear();
        for (int y = 0; y <= 60; ++y) {
            const int h = roundToInt16(225 + y / 2.0);
            const QColor colour = famille == Famille::Bleue   ? QColor(195 + y, h, 255)
                                  : famille == Famille::Verte ? QColor(195 + y, 255, h)
                                                              : QColor(255, h, 195 + y);
            titre.fillBox({0, y, titre.width(), 1}, colour);
        }
        bastitre.clear();
        for (int y = 30; y >= 0; --y) {
            const QColor colour = famille == Famille::Bleue   ? QColor(255 - 2 * y, 255 - y, 255)
                                  : famille == Famille::Verte ? QColor(255 - 2 * y, 255, 255 - y)
                                                              : QColor(255, 255 - y, 255 - 2 * y);
            bastitre.fillBox({0, y, bastitre.width(), 1}, colour);
        }
    }
    titre.update();
    bastitre.update();
}
