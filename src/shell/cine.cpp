#include "shell/cine.h"

#include "platform/forms/densepictures.h"
#include "platform/forms/formlabel.h"

#include <QPainter>

namespace {

constexpr int marge = 5;
constexpr QSize tailleSansImage{320, 240};

} // namespace

Cine::Cine(const QString& repertoireProgramme)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("cine"));
    setWindowTitle(QStringLiteral("Galvane"));
    setAccessibleName(QStringLiteral("Galvane"));
    Image1 = new FormLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(QStringLiteral("Couverture du CD-ROM"));
    Image1->resize(tailleSansImage);
    Form_Load(repertoireProgramme);
}

Cine::~Cine() {
    Form_Unload();
}

void Cine::Form_Load(const QString& repertoireProgramme) {
    Image1->setPicture(QPixmap::fromImage(
        readPicture(repertoireProgramme + QStringLiteral("CDCOUV.BMP"), devicePixelRatioF())));
    Image1->move(marge, marge);
    resize(Image1->size() + QSize(2 * marge, 2 * marge));
}

void Cine::Form_Unload() {
    Image1->clear();
}

void Cine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The last pixel row and column, so that the outermost lines are on screen.
    const int w = width() - 1;
    const int h = height() - 1;
    // Each line a box one pixel thick: filled, not stroked pixel by pixel.
    for (int i = 0; i <= 5; ++i) {
        const int clair = 255 - 10 * i;
        const int sombre = 150 + 10 * i;
        const QColor haut(clair, clair, clair);
        const QColor bas(sombre, sombre, sombre);
        painter.fillRect(QRect(QPoint(i, i), QPoint(w - i, i)), haut);
        painter.fillRect(QRect(QPoint(i, i), QPoint(i, h - i)), haut);
        painter.fillRect(QRect(QPoint(i, h - i), QPoint(w - i, h - i)), bas);
        painter.fillRect(QRect(QPoint(w - i, i), QPoint(w - i, h - i)), bas);
    }
}
