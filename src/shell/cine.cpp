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
    for (int i = 0; i <= 5; ++i) {
        const int clair = 255 - 10 * i;
        const int sombre = 150 + 10 * i;
        painter.setPen(QColor(clair, clair, clair));
        painter.drawLine(i, i, w - i, i);
        painter.drawLine(i, i, i, h - i);
        painter.setPen(QColor(sombre, sombre, sombre));
        painter.drawLine(i, h - i, w - i, h - i);
        painter.drawLine(w - i, i, w - i, h - i);
    }
}
