#include "specialpictures.h"

#include "drawings.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace {

// A picture of w × h pixels at `ratio` device pixels each: painters draw on it in the
// 1× coordinates.
QImage canvas(int w, int h, qreal ratio) {
    QImage image(QSize(w, h) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    return image;
}

void body(QPainter& p, QPointF c, double r, QColor colour) {
    QRadialGradient g(c - QPointF(r / 3, r / 3), r * 1.3);
    g.setColorAt(0, colour.lighter(160));
    g.setColorAt(1, colour.darker(150));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

void stars(QPainter& p, QSize size, int count, int seed) {
    for (int i = 0; i < count; ++i) {
        const int v = 90 + (i * 53 + seed) % 160;
        p.setPen(QColor(v, v, v + (255 - v) / 2));
        p.drawPoint((i * 7919 + seed * 31) % size.width(), (i * 104729 + seed) % size.height());
    }
}

void title(QPainter& p, QRectF r, const QString& text, int pixels, QColor colour) {
    QFont font(u"DejaVu Serif"_qs);
    font.setPixelSize(pixels);
    font.setBold(true);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, text);
}

QImage cover(int w, int h, const QString& subtitle, qreal ratio) {
    QImage image = canvas(w, h, ratio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawBackground(p, QSize(w, h), QColor(10, 20, 70), QColor(120, 40, 20));
    stars(p, QSize(w, h), 150, 3);
    body(p, QPointF(w * 0.7, h * 0.62), h * 0.16, QColor(230, 150, 40));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(140, 180, 255, 170), 1.5));
    for (int k = 0; k < 3; ++k) {
        p.save();
        p.translate(w * 0.3, h * 0.62);
        p.rotate(60 * k);
        p.drawEllipse(QPointF(0, 0), h * 0.14, h * 0.05);
        p.restore();
    }
    body(p, QPointF(w * 0.3, h * 0.62), h * 0.025, QColor(220, 60, 60));
    title(p, QRectF(0, h * 0.08, w, h * 0.2), u"Galvane"_qs, h / 8, QColor(255, 230, 160));
    title(p, QRectF(w * 0.05, h * 0.26, w * 0.9, h * 0.16), subtitle, h / 20, Qt::white);
    return image;
}

QImage theme(int w, int h, int n, qreal ratio) {
    QImage image = canvas(w, h, ratio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colours[] = {QColor(200, 80, 40), QColor(240, 230, 210), QColor(60, 140, 90)};
    drawBackground(p, QSize(w, h), colours[n - 1].lighter(130), colours[n - 1].darker(160));
    const char* captions[] = {"Capteurs de température", "Les sucres", "Pollution"};
    const char* drawings[] = {"thermometre", "molecule", "terre"};
    QImage inner = canvas(w - 40, h - 120, ratio);
    {
        QPainter q(&inner);
        drawPicture(q, QSize(w - 40, h - 120), QString::fromLatin1(drawings[n - 1]), {});
    }
    p.drawImage(20, 90, inner);
    title(p, QRectF(0, 10, w, 70),
          QStringLiteral("Thème %1\n").arg(n) + QString::fromUtf8(captions[n - 1]), 20, Qt::white);
    return image;
}

} // namespace

QImage solarSystem(qreal ratio) {
    QImage image = canvas(640, 350, ratio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    stars(p, QSize(640, 350), 300, 11);
    for (const SolarBody& b : solarBodies) {
        const QPointF centre(b.x, b.y);
        if (b.halfWidth > b.halfHeight) { // Saturn's rings
            p.setPen(QPen(b.colour.darker(110), 4));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(centre, b.halfWidth - 2, b.halfHeight * 0.6);
        }
        body(p, centre, b.halfHeight, b.colour);
    }
    return image;
}

namespace {

// The fourteen scales, from the clusters of galaxies down to an atomic nucleus.
QImage powerOfTen(int exponent, qreal ratio) {
    const int w = 280, h = 210;
    const QSize size(w, h);
    const QRect rect(QPoint(0, 0), size);
    QImage image = canvas(w, h, ratio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(w / 2.0, h / 2.0);
    switch (exponent) {
    case 24:
        for (int i = 0; i < 40; ++i) {
            const QPointF at((i * 97) % w, (i * 59) % h);
            for (int k = 0; k < 12; ++k)
                body(p,
                     at + QPointF(8 * std::cos(k * 2.4) * (k % 3), 6 * std::sin(k * 2.4) * (k % 4)),
                     1.5, QColor(230, 220, 255));
        }
        break;
    case 21:
    case 18: {
        QImage galaxy = canvas(w, h, ratio);
        QPainter q(&galaxy);
        drawPicture(q, size, u"galaxie"_qs, {});
        q.end();
        p.drawImage(0, 0, galaxy);
        if (exponent == 18) {
            p.setPen(QPen(QColor(255, 255, 0), 2));
            p.drawEllipse(c + QPointF(40, 15), 6, 6);
        }
        break;
    }
    case 15:
        stars(p, size, 120, 5);
        body(p, c, 4, QColor(255, 230, 150));
        break;
    case 12:
        stars(p, size, 40, 7);
        body(p, c, 6, QColor(255, 200, 50));
        for (int k = 1; k <= 6; ++k) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(120, 120, 160), 1));
            p.drawEllipse(c, 14.0 * k, 10.0 * k);
            body(p, c + QPointF(14.0 * k * std::cos(k * 1.3), 10.0 * k * std::sin(k * 1.3)),
                 2 + k % 3, QColor::fromHsv(30 * k, 150, 230));
        }
        break;
    case 9: {
        QImage earth = canvas(w, h, ratio);
        QPainter q(&earth);
        drawPicture(q, size, u"terre"_qs, {});
        q.end();
        p.drawImage(0, 0, earth);
        break;
    }
    case 6: {
        drawBackground(p, size, QColor(30, 70, 150), QColor(20, 50, 120));
        QPainterPath france;
        const QPointF hexagon[] = {{140, 20},  {215, 60}, {205, 140},
                                   {150, 190}, {80, 170}, {65, 95}};
        france.moveTo(hexagon[0]);
        for (QPointF v : hexagon)
            france.lineTo(v);
        france.closeSubpath();
        p.setBrush(QColor(90, 150, 70));
        p.setPen(QPen(QColor(230, 230, 200), 1));
        p.drawPath(france);
        break;
    }
    case 3:
        drawBackground(p, size, QColor(150, 190, 240), QColor(240, 240, 255));
        p.setBrush(QColor(110, 100, 90));
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF({{0, 210}, {70, 80}, {130, 150}, {190, 50}, {280, 210}}));
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({{170, 84}, {190, 50}, {212, 86}}));
        break;
    case 0:
        drawBackground(p, size, QColor(250, 230, 200), QColor(200, 160, 120));
        p.setPen(QPen(QColor(60, 40, 30), 4));
        p.drawLine(QPointF(140, 70), QPointF(140, 150));
        p.drawLine(QPointF(140, 150), QPointF(120, 200));
        p.drawLine(QPointF(140, 150), QPointF(160, 200));
        p.drawLine(QPointF(140, 90), QPointF(180, 80));
        p.drawLine(QPointF(140, 95), QPointF(105, 75));
        body(p, QPointF(140, 55), 14, QColor(230, 190, 150));
        p.setPen(QPen(QColor(140, 70, 20), 6));
        p.drawLine(QPointF(150, 65), QPointF(195, 95));
        break;
    case -3:
        p.fillRect(rect, QColor(240, 225, 200));
        for (int k = 0; k < 9; ++k) {
            p.setPen(QPen(QColor(80 + 10 * k, 50, 20), 7));
            p.drawLine(QPointF(20 + 28 * k, 0), QPointF(40 + 26 * k, h));
        }
        break;
    case -6:
        p.fillRect(rect, QColor(200, 220, 200));
        for (int k = 0; k < 10; ++k)
            body(p, QPointF(30 + 22 * k, 100 + 25 * std::sin(k * 0.7)), 11, QColor(120, 80, 160));
        break;
    case -9:
        p.fillRect(rect, QColor(20, 30, 50));
        body(p, c, 40, QColor(220, 40, 40));
        body(p, c + QPointF(-55, 40), 25, QColor(230, 230, 230));
        body(p, c + QPointF(55, 40), 25, QColor(230, 230, 230));
        break;
    case -12:
        p.fillRect(rect, QColor(10, 10, 30));
        p.setPen(QPen(QColor(100, 140, 255, 60), 30));
        p.drawPoint(c);
        body(p, c, 2, QColor(255, 120, 120));
        break;
    case -15:
        p.fillRect(rect, QColor(10, 10, 20));
        for (int k = 0; k < 12; ++k)
            body(p,
                 c + QPointF(25 * std::cos(k * 2.4) * (k % 3) / 2.0,
                             25 * std::sin(k * 2.4) * (k % 3) / 2.0),
                 18, k % 2 ? QColor(220, 50, 50) : QColor(160, 160, 170));
        break;
    }
    QFont font(u"DejaVu Sans"_qs);
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(6, h - 22, w - 12, 18), Qt::AlignRight,
               QStringLiteral("10^%1 m").arg(exponent));
    return image;
}

} // namespace

QList<NamedPicture> specialPictures(qreal ratio) {
    QList<NamedPicture> pictures = {
        {u"couverture.jpg"_qs, cover(280, 380, u"Physique et chimie, classe de seconde"_qs, ratio)},
        {u"CDCOUV.BMP"_qs, cover(360, 260, u"Cours de physique et de chimie"_qs, ratio)},
        {u"solaire.jpg"_qs, solarSystem(ratio)},
    };
    for (int n = 1; n <= 3; ++n)
        pictures.append({QStringLiteral("th%1.jpg").arg(n), theme(280, 380, n, ratio)});
    const struct {
        int exponent;
        const char* file;
    } scales[] = {{24, "GLIL1109Bh.JPG"}, {21, "GLIL1109Bg.JPG"}, {18, "GLIL1109Bf.JPG"},
                  {15, "GLIL1109Be.JPG"}, {12, "GLIL1109Bd.JPG"}, {9, "GLIL1109Bc.JPG"},
                  {6, "GLIL1109Bb.JPG"},  {3, "GLIL1109Ba.JPG"},  {0, "GLIL1109.JPG"},
                  {-3, "GLIL1109a.JPG"},  {-6, "GLIL1109b.JPG"},  {-9, "GLIL1109c.JPG"},
                  {-12, "GLIL1109d.JPG"}, {-15, "GLIL1109e.JPG"}};
    for (const auto& s : scales)
        pictures.append({QString::fromLatin1(s.file), powerOfTen(s.exponent, ratio)});
    return pictures;
}
