#include "animations.h"

#include "drawings.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <QStringList>
#include <QtMath>
#include <algorithm>

namespace {

QColor mix(QColor a, QColor b, double f) {
    f = std::clamp(f, 0.0, 1.0);
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * f,
                            a.greenF() + (b.greenF() - a.greenF()) * f,
                            a.blueF() + (b.blueF() - a.blueF()) * f);
}

// Pseudo-random but repeatable numbers in [0, 1).
double noise(int i, int k) {
    const quint32 v = quint32(i) * 2654435761u ^ quint32(k) * 40503u;
    return (v % 10007) / 10007.0;
}

void dot(QPainter& p, QPointF c, double r, QColor colour) {
    QRadialGradient g(c - QPointF(r / 3, r / 3), r * 1.3);
    g.setColorAt(0, colour.lighter(160));
    g.setColorAt(1, colour.darker(130));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

void bench(QPainter& p, QSize s) {
    drawBackground(p, s, QColor(235, 235, 240), QColor(190, 190, 200));
    p.fillRect(QRectF(0, s.height() * 0.85, s.width(), s.height() * 0.15), QColor(120, 90, 60));
}

void fallingBall(QPainter& p, QSize s, double t) {
    p.fillRect(QRect(QPoint(0, 0), s), QColor(25, 25, 30));
    p.setPen(QPen(QColor(200, 200, 200), 1));
    for (int i = 0; i <= 10; ++i) {
        const double y = 10 + (s.height() - 30) * i / 10.0;
        p.drawLine(QPointF(s.width() * 0.7, y), QPointF(s.width() * 0.76, y));
    }
    const double fall = std::min(1.0, t * 1.25);
    const double y = 10 + (s.height() - 30) * fall * fall;
    for (int k = 1; k <= 4; ++k) {
        const double ft = std::max(0.0, fall - 0.12 * k);
        QColor ghost(240, 160, 40, 120 - 25 * k);
        dot(p, QPointF(s.width() * 0.45, 10 + (s.height() - 30) * ft * ft), 9, ghost);
    }
    dot(p, QPointF(s.width() * 0.45, y), 10, QColor(240, 160, 40));
}

void spreadingGas(QPainter& p, QSize s, double t, QColor colour) {
    bench(p, s);
    const QRectF flask(s.width() * 0.2, s.height() * 0.1, s.width() * 0.6, s.height() * 0.72);
    p.fillRect(flask, QColor(250, 250, 255));
    for (int i = 0; i < 160; ++i) {
        // Each particle starts near the bottom and wanders upwards as time goes by.
        const double spread = std::min(1.0, t * 1.4) * noise(i, 1);
        const double x =
            flask.left() + flask.width() * (0.5 + (noise(i, 2) - 0.5) * (0.2 + 0.8 * t) +
                                            0.05 * std::sin(i + t * 20));
        const double y = flask.bottom() - 4 - (flask.height() - 8) * spread;
        QColor c = colour;
        c.setAlpha(170);
        dot(p, QPointF(std::clamp(x, flask.left() + 3, flask.right() - 3), y), 2.5, c);
    }
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(flask);
}

void colourChange(QPainter& p, QSize s, double t, QColor from, QColor to) {
    bench(p, s);
    const QRectF beaker(s.width() * 0.3, s.height() * 0.3, s.width() * 0.4, s.height() * 0.55);
    drawBeaker(p, beaker, mix(from, to, (t - 0.3) / 0.5), 0.65);
    // A dropper pours in the second solution during the first half.
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.drawRect(QRectF(s.width() * 0.48, s.height() * 0.04, s.width() * 0.04, s.height() * 0.2));
    if (t < 0.5) {
        for (int k = 0; k < 3; ++k) {
            const double y = s.height() * (0.26 + std::fmod(t * 3 + k * 0.33, 1.0) * 0.2);
            dot(p, QPointF(s.width() * 0.5, y), 3, to);
        }
    }
}

void precipitate(QPainter& p, QSize s, double t, QColor colour) {
    bench(p, s);
    const QRectF beaker(s.width() * 0.3, s.height() * 0.25, s.width() * 0.4, s.height() * 0.6);
    drawBeaker(p, beaker, QColor(200, 225, 245), 0.7);
    for (int i = 0; i < 90; ++i) {
        const double born = noise(i, 3) * 0.5;
        if (t < born)
            continue;
        const double fall = std::min(1.0, (t - born) * 1.6);
        const double x = beaker.left() + 6 + (beaker.width() - 12) * noise(i, 4);
        const double top = beaker.bottom() - beaker.height() * 0.66;
        const double y = top + (beaker.height() * 0.62 - 3 * noise(i, 5) * 6) * fall;
        dot(p, QPointF(x, y), 2.2, colour);
    }
}

void bubbles(QPainter& p, QSize s, double t, QColor gas) {
    bench(p, s);
    const QRectF tube(s.width() * 0.22, s.height() * 0.3, s.width() * 0.16, s.height() * 0.55);
    drawBeaker(p, tube, QColor(210, 230, 245), 0.7);
    p.fillRect(QRectF(tube.left() + 4, tube.bottom() - 14, tube.width() - 8, 10),
               QColor(140, 140, 150));
    for (int i = 0; i < 14; ++i) {
        const double phase = std::fmod(t * 3 + noise(i, 6), 1.0);
        dot(p,
            QPointF(tube.left() + 6 + (tube.width() - 12) * noise(i, 7),
                    tube.bottom() - 16 - phase * tube.height() * 0.55),
            2.5, gas.alpha() ? gas.lighter(120) : Qt::white);
    }
    // The gas collects at the top of an upturned measuring cylinder.
    const QRectF cylinder(s.width() * 0.6, s.height() * 0.15, s.width() * 0.14, s.height() * 0.6);
    p.fillRect(cylinder, QColor(180, 210, 240));
    p.fillRect(
        QRectF(cylinder.left(), cylinder.top(), cylinder.width(), cylinder.height() * 0.6 * t),
        gas == namedColour(u"incolore"_qs) ? QColor(250, 250, 250) : gas.lighter(140));
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(cylinder);
    p.drawLine(QPointF(tube.center().x(), tube.top()),
               QPointF(tube.center().x(), s.height() * 0.1));
    p.drawLine(QPointF(tube.center().x(), s.height() * 0.1),
               QPointF(cylinder.center().x(), s.height() * 0.1));
    p.drawLine(QPointF(cylinder.center().x(), s.height() * 0.1),
               QPointF(cylinder.center().x(), cylinder.bottom() - 5));
}

void layers(QPainter& p, QSize s, double t, QColor upper, QColor lower) {
    bench(p, s);
    const QRectF tube(s.width() * 0.4, s.height() * 0.1, s.width() * 0.2, s.height() * 0.72);
    const QRectF inside = tube.adjusted(3, 3, -3, -3);
    const double settle = std::clamp((t - 0.2) / 0.6, 0.0, 1.0);
    const double mid = inside.top() + inside.height() * 0.6;
    for (int y = int(inside.top() + inside.height() * 0.2); y < int(inside.bottom()); ++y) {
        const bool top = y < mid;
        const double mixing = 1 - settle;
        QColor c = mix(top ? upper : lower, mix(upper, lower, 0.5),
                       mixing * (0.5 + 0.5 * std::sin(y * 0.7)));
        p.setPen(c);
        p.drawLine(QPointF(inside.left(), y), QPointF(inside.right(), y));
    }
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(tube);
}

void melting(QPainter& p, QSize s, double t) {
    bench(p, s);
    const QRectF bar(s.width() * 0.05, s.height() * 0.55, s.width() * 0.9, s.height() * 0.12);
    QLinearGradient g(bar.topLeft(), bar.topRight());
    g.setColorAt(0, QColor(200, 60, 40));
    g.setColorAt(1, QColor(80, 80, 200));
    p.fillRect(bar, g);
    const double limit = 0.6 - 0.3 * std::min(1.0, t * 1.5);
    for (int i = 0; i < 30; ++i) {
        const double x = 0.1 + 0.8 * i / 30.0;
        const QPointF at(bar.left() + bar.width() * x, bar.top() - 3);
        if (x < limit)
            dot(p, at, 3, QColor(240, 240, 255));
        else
            p.fillRect(QRectF(at.x() - 2, at.y() - 2, 4, 4), Qt::white);
    }
    p.setPen(QPen(Qt::black, 2));
    const double cursor = bar.left() + bar.width() * limit;
    p.drawLine(QPointF(cursor, bar.top() - 30), QPointF(cursor, bar.bottom()));
}

void chromatography(QPainter& p, QSize s, double t) {
    bench(p, s);
    const QRectF plate(s.width() * 0.3, s.height() * 0.08, s.width() * 0.4, s.height() * 0.74);
    const double front = plate.bottom() - 10 - (plate.height() - 20) * std::min(1.0, t * 1.2);
    p.fillRect(plate, Qt::white);
    p.fillRect(QRectF(plate.left(), front, plate.width(), plate.bottom() - front),
               QColor(225, 235, 250));
    const QColor colours[] = {QColor(200, 50, 50), QColor(50, 150, 50), QColor(60, 60, 210)};
    const double speeds[] = {0.35, 0.6, 0.85};
    const double start = plate.bottom() - 14;
    for (int i = 0; i < 3; ++i)
        dot(p,
            QPointF(plate.left() + plate.width() * (i + 1) / 4,
                    start - (start - front) * speeds[i]),
            4, colours[i]);
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(plate);
}

void filtration(QPainter& p, QSize s, double t) {
    bench(p, s);
    const QRectF flask(s.width() * 0.3, s.height() * 0.45, s.width() * 0.4, s.height() * 0.4);
    drawBeaker(p, flask, QColor(230, 220, 120), 0.1 + 0.5 * t);
    const QRectF funnel(s.width() * 0.32, s.height() * 0.15, s.width() * 0.36, s.height() * 0.14);
    p.fillRect(funnel, QColor(250, 250, 250));
    p.fillRect(QRectF(funnel.left(), funnel.bottom() - 6 - 20 * t, funnel.width(), 6 + 20 * t),
               QColor(150, 110, 60));
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(funnel);
    p.drawLine(QPointF(s.width() / 2.0, funnel.bottom()),
               QPointF(s.width() / 2.0, flask.top() + 10));
    const double drop = std::fmod(t * 6, 1.0);
    dot(p, QPointF(s.width() / 2.0, flask.top() + 12 + drop * 30), 2.5, QColor(230, 220, 120));
}

void laser(QPainter& p, QSize s, double t) {
    p.fillRect(QRectF(0, 0, s.width(), s.height() / 2.0), QColor(30, 30, 40));
    p.fillRect(QRectF(0, s.height() / 2.0, s.width(), s.height() / 2.0), QColor(30, 60, 110));
    const double incidence = qDegreesToRadians(10 + 60 * t);
    const double refracted = std::asin(std::sin(incidence) / 1.33);
    const QPointF at(s.width() / 2.0, s.height() / 2.0);
    const double l = s.height() * 0.45;
    p.setPen(QPen(QColor(200, 200, 200), 1, Qt::DashLine));
    p.drawLine(QPointF(at.x(), 5), QPointF(at.x(), s.height() - 5));
    p.setPen(QPen(QColor(255, 40, 40), 3));
    p.drawLine(at - QPointF(l * std::sin(incidence), l * std::cos(incidence)), at);
    p.drawLine(at, at + QPointF(l * std::sin(refracted), l * std::cos(refracted)));
}

void balloon(QPainter& p, QSize s, double t) {
    bench(p, s);
    const QColor gas = namedColour(u"roux"_qs);
    drawBeaker(p, QRectF(s.width() * 0.12, s.height() * 0.45, s.width() * 0.25, s.height() * 0.4),
               gas, 0.8);
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.drawLine(QPointF(s.width() * 0.25, s.height() * 0.45),
               QPointF(s.width() * 0.25, s.height() * 0.3));
    p.drawLine(QPointF(s.width() * 0.25, s.height() * 0.3),
               QPointF(s.width() * 0.6, s.height() * 0.3));
    const double r = 12 + 45 * t;
    QColor fill = gas;
    fill.setAlpha(int(60 + 150 * t));
    p.setBrush(fill);
    p.drawEllipse(QPointF(s.width() * 0.68, s.height() * 0.3 - r * 0.2), r, r * 1.1);
}

void prismBeam(QPainter& p, QSize s, double t) {
    p.fillRect(QRect(QPoint(0, 0), s), QColor(20, 20, 30));
    const double w = s.width(), h = s.height();
    const QPointF a(w * 0.45, h * 0.12), b(w * 0.28, h * 0.72), c(w * 0.62, h * 0.72);
    const QPointF in((a.x() + b.x()) / 2, (a.y() + b.y()) / 2);
    const double reach = std::min(1.0, t * 2);
    p.setPen(QPen(Qt::white, 3));
    p.drawLine(QPointF(0, h * 0.52), QPointF(0, h * 0.52) + (in - QPointF(0, h * 0.52)) * reach);
    if (t > 0.5) {
        const double open = std::min(1.0, (t - 0.5) * 2.5);
        for (int k = 0; k < 7; ++k) {
            p.setPen(QPen(QColor::fromHsvF(0.78 * k / 6.0, 1, 1), 2));
            const QPointF out((a.x() + c.x()) / 2, (a.y() + c.y()) / 2 + k * open);
            p.drawLine(in, out);
            p.drawLine(out, out + (QPointF(w, h * (0.45 + 0.03 * k * open)) - out) * open);
        }
    }
    drawPrismGlass(p, a, b, c);
}

} // namespace

void drawFrame(QPainter& p, QSize size, const QString& animation, double t) {
    p.setRenderHint(QPainter::Antialiasing);
    const QStringList a = animation.split(u':');
    auto colour = [&](int i) { return namedColour(a.value(i)); };
    const QString& kind = a.first();
    if (kind == u"chute")
        fallingBall(p, size, t);
    else if (kind == u"gaz")
        spreadingGas(p, size, t, colour(1));
    else if (kind == u"couleur")
        colourChange(p, size, t, colour(1), colour(2));
    else if (kind == u"precipite")
        precipitate(p, size, t, colour(1));
    else if (kind == u"bulles")
        bubbles(p, size, t, colour(1));
    else if (kind == u"melange")
        layers(p, size, t, colour(1), colour(2));
    else if (kind == u"fusion")
        melting(p, size, t);
    else if (kind == u"chromato")
        chromatography(p, size, t);
    else if (kind == u"filtration")
        filtration(p, size, t);
    else if (kind == u"laser")
        laser(p, size, t);
    else if (kind == u"ballon")
        balloon(p, size, t);
    else
        prismBeam(p, size, t);
}
