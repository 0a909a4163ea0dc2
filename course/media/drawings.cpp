#include "drawings.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <functional>
#include <map>

QColor namedColour(const QString& name) {
    static const std::map<QString, QColor> colours = {
        {u"bleu"_qs, QColor(40, 90, 220)},    {u"bleu pâle"_qs, QColor(150, 190, 240)},
        {u"rouge"_qs, QColor(190, 60, 30)},   {u"vert"_qs, QColor(60, 160, 80)},
        {u"jaune"_qs, QColor(235, 205, 40)},  {u"orange"_qs, QColor(240, 140, 30)},
        {u"violet"_qs, QColor(130, 30, 150)}, {u"roux"_qs, QColor(170, 80, 30)},
        {u"rouille"_qs, QColor(160, 80, 40)}, {u"incolore"_qs, QColor(215, 235, 245)},
    };
    const auto it = colours.find(name);
    return it == colours.end() ? QColor(200, 200, 200) : it->second;
}

void drawBackground(QPainter& p, QSize size, QColor top, QColor bottom) {
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(QRect(QPoint(0, 0), size), g);
}

void drawCaption(QPainter& p, QSize size, const QString& caption) {
    if (caption.isEmpty())
        return;
    QFont font(u"DejaVu Sans"_qs);
    font.setPixelSize(std::max(9, size.height() / 14));
    font.setBold(true);
    p.setFont(font);
    const QRectF band(0, size.height() - font.pixelSize() * 1.6, size.width(),
                      font.pixelSize() * 1.6);
    p.fillRect(band, QColor(255, 255, 255, 190));
    p.setPen(QColor(40, 40, 90));
    p.drawText(band, Qt::AlignCenter, caption);
}

void drawBeaker(QPainter& p, QRectF r, QColor liquid, double level) {
    const QRectF inside = r.adjusted(3, 3, -3, -3);
    QRectF fill = inside;
    fill.setTop(inside.bottom() - inside.height() * level);
    liquid.setAlpha(210);
    p.fillRect(fill, liquid);
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.bottomRight(), r.topRight());
    p.setPen(QPen(QColor(120, 120, 120), 1));
    for (int i = 1; i < 5; ++i) {
        const double y = r.bottom() - r.height() * i / 5.0;
        p.drawLine(QPointF(r.left(), y), QPointF(r.left() + r.width() / 5, y));
    }
}

namespace {

using Drawing = std::function<void(QPainter&, double w, double h)>;

void ball(QPainter& p, QPointF c, double r, QColor colour) {
    QRadialGradient g(c - QPointF(r / 3, r / 3), r * 1.3);
    g.setColorAt(0, colour.lighter(170));
    g.setColorAt(1, colour.darker(130));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

void flask(QPainter& p, double w, double h) {
    drawBackground(p, QSize(int(w), int(h)), QColor(235, 240, 250), QColor(200, 210, 230));
    const double s = std::min(w, h);
    QPainterPath path;
    const QPointF c(w / 2, h * 0.55);
    path.moveTo(c.x() - s * 0.07, h * 0.12);
    path.lineTo(c.x() - s * 0.07, h * 0.38);
    path.lineTo(c.x() - s * 0.3, h * 0.78);
    path.lineTo(c.x() + s * 0.3, h * 0.78);
    path.lineTo(c.x() + s * 0.07, h * 0.38);
    path.lineTo(c.x() + s * 0.07, h * 0.12);
    QPainterPath liquid;
    liquid.addRect(0, h * 0.58, w, h);
    p.setBrush(QColor(200, 80, 50, 200));
    p.setPen(Qt::NoPen);
    p.drawPath(path.intersected(liquid));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(50, 50, 70), 2.5));
    p.drawPath(path);
    drawBeaker(p, QRectF(w * 0.72, h * 0.45, s * 0.18, h * 0.33), QColor(40, 90, 220), 0.6);
    p.setPen(QPen(QColor(50, 50, 70), 2));
    p.drawRect(QRectF(w * 0.12, h * 0.3, s * 0.08, h * 0.48));
    p.fillRect(QRectF(w * 0.12 + 2, h * 0.6, s * 0.08 - 3, h * 0.18 - 1), QColor(235, 205, 40));
}

void separatory(QPainter& p, double w, double h) {
    drawBackground(p, QSize(int(w), int(h)), QColor(240, 245, 240), QColor(205, 220, 205));
    const QPointF c(w / 2, h * 0.45);
    const double rx = std::min(w, h) * 0.22, ry = h * 0.3;
    QPainterPath bulb;
    bulb.moveTo(c.x(), c.y() - ry);
    bulb.cubicTo(c.x() + rx * 1.4, c.y() - ry * 0.2, c.x() + rx * 0.4, c.y() + ry * 0.8, c.x(),
                 c.y() + ry);
    bulb.cubicTo(c.x() - rx * 0.4, c.y() + ry * 0.8, c.x() - rx * 1.4, c.y() - ry * 0.2, c.x(),
                 c.y() - ry);
    QPainterPath lower, upper;
    lower.addRect(0, c.y() + ry * 0.15, w, h);
    upper.addRect(0, c.y() - ry * 0.35, w, ry * 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 120, 220, 200));
    p.drawPath(bulb.intersected(lower));
    p.setBrush(QColor(240, 170, 40, 200));
    p.drawPath(bulb.intersected(upper));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(50, 50, 60), 2.5));
    p.drawPath(bulb);
    p.drawLine(QPointF(c.x(), c.y() + ry), QPointF(c.x(), h * 0.9));
    p.drawLine(QPointF(c.x() - 8, h * 0.82), QPointF(c.x() + 8, h * 0.82));
    p.drawRect(QRectF(c.x() - 4, c.y() - ry - 12, 8, 12));
}

void plate(QPainter& p, double w, double h) {
    drawBackground(p, QSize(int(w), int(h)), QColor(250, 250, 245), QColor(225, 225, 215));
    const QRectF r(w * 0.3, h * 0.08, w * 0.4, h * 0.72);
    p.fillRect(r, QColor(255, 255, 255));
    p.setPen(QPen(QColor(80, 80, 80), 1.5));
    p.drawRect(r);
    p.setPen(QPen(QColor(120, 120, 200), 1, Qt::DashLine));
    p.drawLine(QPointF(r.left(), r.top() + r.height() * 0.1),
               QPointF(r.right(), r.top() + r.height() * 0.1));
    p.drawLine(QPointF(r.left(), r.bottom() - r.height() * 0.12),
               QPointF(r.right(), r.bottom() - r.height() * 0.12));
    const QColor spots[] = {QColor(200, 60, 60), QColor(60, 140, 60), QColor(60, 60, 200)};
    const double heights[3][2] = {{0.3, 0.62}, {0.45, 0}, {0.62, 0.3}};
    for (int i = 0; i < 3; ++i) {
        const double x = r.left() + r.width() * (i + 1) / 4.0;
        for (double f : heights[i]) {
            if (f > 0)
                ball(p, QPointF(x, r.bottom() - r.height() * 0.12 - r.height() * 0.78 * f), 5,
                     spots[i]);
        }
    }
}

void atom(QPainter& p, double w, double h) {
    p.fillRect(QRectF(0, 0, w, h), QColor(15, 20, 45));
    const QPointF c(w / 2, h * 0.45);
    const double s = std::min(w, h) * 0.38;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 160, 255, 160), 1.5));
    for (int k = 0; k < 3; ++k) {
        p.save();
        p.translate(c);
        p.rotate(60 * k);
        p.drawEllipse(QPointF(0, 0), s, s * 0.35);
        ball(p, QPointF(s * std::cos(1.0 + k), s * 0.35 * std::sin(1.0 + k)), 4,
             QColor(90, 160, 255));
        p.restore();
    }
    for (int i = 0; i < 6; ++i)
        ball(p, c + QPointF(5 * std::cos(i * 1.1), 5 * std::sin(i * 1.1)), 5,
             i % 2 ? QColor(220, 60, 60) : QColor(170, 170, 170));
}

void molecule(QPainter& p, double w, double h) {
    drawBackground(p, QSize(int(w), int(h)), QColor(250, 245, 235), QColor(225, 215, 195));
    const QPointF c(w / 2, h * 0.45);
    const double s = std::min(w, h) * 0.28;
    const QPointF arms[] = {{0, -1}, {0.94, 0.33}, {-0.47, 0.6}, {-0.6, -0.2}};
    p.setPen(QPen(QColor(90, 90, 90), 5));
    for (QPointF a : arms)
        p.drawLine(c, c + a * s);
    for (QPointF a : arms)
        ball(p, c + a * s, s * 0.22, QColor(235, 235, 235));
    ball(p, c, s * 0.34, QColor(50, 50, 50));
    ball(p, c + QPointF(0.5, 0.2) * s * 0.0, s * 0.05, QColor(80, 80, 80));
}

void periodicTable(QPainter& p, double w, double h) {
    drawBackground(p, QSize(int(w), int(h)), QColor(250, 250, 250), QColor(230, 230, 240));
    const int columns = 18, rows = 7;
    const double cw = (w - 12) / columns, ch = (h * 0.82 - 8) / rows;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const bool present = r == 0 ? (c == 0 || c == 17) : r < 3 ? (c < 2 || c > 11) : true;
            if (!present)
                continue;
            QColor colour = c == 0    ? QColor(250, 170, 120)
                            : c == 1  ? QColor(250, 220, 120)
                            : c == 16 ? QColor(170, 230, 160)
                            : c == 17 ? QColor(160, 200, 250)
                            : c < 12  ? QColor(220, 200, 230)
                                      : QColor(230, 230, 200);
            p.fillRect(QRectF(6 + c * cw, 4 + r * ch, cw - 1, ch - 1), colour);
        }
    }
}

void graph(QPainter& p, double w, double h) {
    p.fillRect(QRectF(0, 0, w, h), Qt::white);
    const QRectF plot(w * 0.1, h * 0.08, w * 0.82, h * 0.68);
    p.setPen(QPen(QColor(220, 220, 230), 1));
    for (int i = 1; i < 10; ++i) {
        p.drawLine(QPointF(plot.left() + plot.width() * i / 10, plot.top()),
                   QPointF(plot.left() + plot.width() * i / 10, plot.bottom()));
        p.drawLine(QPointF(plot.left(), plot.top() + plot.height() * i / 10),
                   QPointF(plot.right(), plot.top() + plot.height() * i / 10));
    }
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(plot.bottomLeft(), plot.topLeft());
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.setPen(QPen(QColor(200, 40, 40), 2));
    QPainterPath curve;
    for (int i = 0; i <= 40; ++i) {
        const double x = i / 40.0;
        const QPointF point(plot.left() + plot.width() * x,
                            plot.bottom() -
                                plot.height() * (0.15 + 0.7 * x + 0.1 * std::sin(6 * x)));
        i ? curve.lineTo(point) : curve.moveTo(point);
    }
    p.drawPath(curve);
    p.setBrush(QColor(40, 40, 200));
    p.setPen(Qt::NoPen);
    for (int i = 1; i < 8; ++i) {
        const double x = i / 8.0;
        p.drawEllipse(
            QPointF(plot.left() + plot.width() * x,
                    plot.bottom() - plot.height() * (0.15 + 0.7 * x + 0.1 * std::sin(6 * x))),
            3, 3);
    }
}

void refraction(QPainter& p, double w, double h) {
    p.fillRect(QRectF(0, 0, w, h / 2), QColor(230, 240, 250));
    p.fillRect(QRectF(0, h / 2, w, h / 2), QColor(120, 170, 230));
    const QPointF i(w / 2, h / 2);
    p.setPen(QPen(QColor(60, 60, 60), 1, Qt::DashLine));
    p.drawLine(QPointF(w / 2, h * 0.05), QPointF(w / 2, h * 0.85));
    p.setPen(QPen(QColor(230, 0, 0), 3));
    p.drawLine(QPointF(w / 2 - h * 0.4, h * 0.1), i);
    p.drawLine(i, QPointF(w / 2 + h * 0.22, h * 0.85));
}

void spectrum(QPainter& p, double w, double h, bool lines, bool absorption) {
    p.fillRect(QRectF(0, 0, w, h), QColor(20, 20, 25));
    const QRectF band(w * 0.05, h * 0.2, w * 0.9, h * 0.45);
    const double lineAt[] = {0.14, 0.3, 0.62, 0.86};
    for (int x = 0; x < int(band.width()); ++x) {
        const double f = x / band.width();
        QColor c = QColor::fromHsvF(std::max(0.0, 0.78 * (1 - f)), 1, 1);
        bool onLine = false;
        for (double l : lineAt)
            onLine = onLine || std::abs(f - l) < 0.006;
        if (lines && !onLine)
            c = QColor(20, 20, 25);
        if (absorption && onLine)
            c = QColor(10, 10, 10);
        p.setPen(c);
        p.drawLine(QPointF(band.left() + x, band.top()), QPointF(band.left() + x, band.bottom()));
    }
}

void prism(QPainter& p, double w, double h) {
    p.fillRect(QRectF(0, 0, w, h), QColor(25, 25, 35));
    const QPointF a(w * 0.45, h * 0.12), b(w * 0.28, h * 0.72), c(w * 0.62, h * 0.72);
    const QPointF in((a.x() + b.x()) / 2, (a.y() + b.y()) / 2);
    p.setPen(QPen(Qt::white, 3));
    p.drawLine(QPointF(0, h * 0.52), in);
    for (int k = 0; k < 7; ++k) {
        p.setPen(QPen(QColor::fromHsvF(0.78 * k / 6.0, 1, 1), 2));
        const QPointF out((a.x() + c.x()) / 2, (a.y() + c.y()) / 2 + k);
        p.drawLine(in, out);
        p.drawLine(out, QPointF(w, h * (0.42 + 0.05 * k)));
    }
    drawPrismGlass(p, a, b, c);
}

void falling(QPainter& p, double w, double h) {
    p.fillRect(QRectF(0, 0, w, h), QColor(20, 20, 20));
    p.setPen(QPen(QColor(200, 200, 200), 1));
    for (int i = 0; i <= 10; ++i)
        p.drawLine(QPointF(w * 0.7, h * 0.05 + h * 0.07 * i),
                   QPointF(w * 0.75, h * 0.05 + h * 0.07 * i));
    for (int i = 0; i < 8; ++i)
        ball(p, QPointF(w * 0.45, h * 0.06 + h * 0.7 * (i * i) / 49.0), std::min(w, h) * 0.035,
             QColor(240, 160, 40));
}

void earth(QPainter& p, double w, double h) {
    p.fillRect(QRectF(0, 0, w, h), QColor(5, 5, 20));
    for (int i = 0; i < 60; ++i) {
        p.setPen(QColor(255, 255, 255, 80 + (i * 37) % 170));
        p.drawPoint(QPointF((i * 97) % int(w), (i * 53) % int(h)));
    }
    const QPointF c(w * 0.42, h * 0.45);
    const double r = std::min(w, h) * 0.25;
    QRadialGradient g(c - QPointF(r / 3, r / 3), r * 1.4);
    g.setColorAt(0, QColor(120, 180, 255));
    g.setColorAt(1, QColor(10, 40, 120));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawEllipse(c, r, r);
    p.setBrush(QColor(60, 150, 70));
    p.drawEllipse(c + QPointF(-r * 0.3, -r * 0.2), r * 0.3, r * 0.4);
    p.drawEllipse(c + QPointF(r * 0.35, r * 0.25), r * 0.25, r * 0.2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 200, 200, 120), 1, Qt::DashLine));
    p.drawEllipse(c, r * 1.8, r * 1.8);
    ball(p, c + QPointF(r * 1.8 * 0.7, -r * 1.8 * 0.71), r * 0.12, QColor(210, 210, 210));
}

void galaxy(QPainter& p, double w, double h) {
    p.fillRect(QRectF(0, 0, w, h), Qt::black);
    const QPointF c(w / 2, h * 0.45);
    const double s = std::min(w, h) * 0.4;
    for (int i = 0; i < 900; ++i) {
        const double t = i / 900.0 * 4 * M_PI;
        const double arm = (i % 2) * M_PI;
        const double r = s * t / (4 * M_PI);
        const double jitter = ((i * 7919) % 100 - 50) / 900.0 * s;
        p.setPen(QColor(200 + (i % 55), 200, 255 - (i % 80), 200));
        p.drawPoint(
            c + QPointF((r + jitter) * std::cos(t + arm), 0.55 * (r - jitter) * std::sin(t + arm)));
    }
    QRadialGradient g(c, s * 0.25);
    g.setColorAt(0, QColor(255, 250, 220));
    g.setColorAt(1, QColor(255, 250, 220, 0));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawEllipse(c, s * 0.25, s * 0.18);
}

void gas(QPainter& p, double w, double h) {
    drawBackground(p, QSize(int(w), int(h)), QColor(245, 245, 250), QColor(220, 225, 235));
    const QRectF box(w * 0.15, h * 0.08, w * 0.7, h * 0.7);
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box);
    for (int i = 0; i < 30; ++i) {
        const QPointF c(box.left() + 8 + (i * 37 % 100) / 100.0 * (box.width() - 16),
                        box.top() + 8 + (i * 61 % 100) / 100.0 * (box.height() - 16));
        ball(p, c, 4, QColor(60, 90, 200));
        p.setPen(QPen(QColor(60, 90, 200, 120), 1));
        p.drawLine(c, c + QPointF(10 * std::cos(i), 10 * std::sin(i)));
    }
}

void pendulum(QPainter& p, double w, double h) {
    drawBackground(p, QSize(int(w), int(h)), QColor(250, 250, 250), QColor(220, 220, 230));
    const QPointF top(w / 2, h * 0.08);
    p.setPen(QPen(QColor(80, 80, 80), 3));
    p.drawLine(QPointF(w * 0.2, top.y()), QPointF(w * 0.8, top.y()));
    const QPointF bob(w / 2 + h * 0.25, h * 0.62);
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.drawLine(top, bob);
    p.setPen(QPen(QColor(150, 150, 150), 1, Qt::DashLine));
    p.drawLine(top, QPointF(w / 2, h * 0.72));
    ball(p, bob, std::min(w, h) * 0.07, QColor(200, 60, 40));
}

void wallClock(QPainter& p, double w, double h) {
    drawBackground(p, QSize(int(w), int(h)), QColor(245, 235, 215), QColor(215, 195, 160));
    const QPointF c(w / 2, h * 0.42);
    const double r = std::min(w, h) * 0.33;
    p.setBrush(QColor(255, 252, 240));
    p.setPen(QPen(QColor(90, 60, 30), 4));
    p.drawEllipse(c, r, r);
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        p.drawLine(c + QPointF(r * 0.85 * std::cos(a), r * 0.85 * std::sin(a)),
                   c + QPointF(r * 0.95 * std::cos(a), r * 0.95 * std::sin(a)));
    }
    p.drawLine(c, c + QPointF(0, -r * 0.7));
    p.drawLine(c, c + QPointF(r * 0.45, r * 0.1));
}

void thermometer(QPainter& p, double w, double h) {
    drawBackground(p, QSize(int(w), int(h)), QColor(250, 250, 255), QColor(215, 220, 240));
    const double x = w / 2, s = std::min(w, h);
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(x - s * 0.05, h * 0.08, s * 0.1, h * 0.62), 5, 5);
    ball(p, QPointF(x, h * 0.72), s * 0.1, QColor(210, 30, 30));
    p.fillRect(QRectF(x - s * 0.02, h * 0.3, s * 0.04, h * 0.4), QColor(210, 30, 30));
    for (int i = 0; i < 8; ++i)
        p.drawLine(QPointF(x + s * 0.06, h * 0.12 + i * h * 0.07),
                   QPointF(x + s * 0.1, h * 0.12 + i * h * 0.07));
}

} // namespace

void drawPrismGlass(QPainter& p, QPointF a, QPointF b, QPointF c) {
    QPainterPath glass;
    glass.moveTo(a);
    glass.lineTo(b);
    glass.lineTo(c);
    glass.closeSubpath();
    p.setBrush(QColor(180, 210, 255, 70));
    p.setPen(QPen(QColor(200, 220, 255), 2));
    p.drawPath(glass);
}

void drawPicture(QPainter& p, QSize size, const QString& drawing, const QString& caption) {
    static const std::map<QString, Drawing> drawings = {
        {u"flacon"_qs, flask},
        {u"ampoule"_qs, separatory},
        {u"chromato"_qs, plate},
        {u"atome"_qs, atom},
        {u"molecule"_qs, molecule},
        {u"tableau"_qs, periodicTable},
        {u"courbe"_qs, graph},
        {u"refraction"_qs, refraction},
        {u"spectre"_qs, [](QPainter& q, double w, double h) { spectrum(q, w, h, false, false); }},
        {u"raies"_qs, [](QPainter& q, double w, double h) { spectrum(q, w, h, true, false); }},
        {u"absorption"_qs, [](QPainter& q, double w, double h) { spectrum(q, w, h, false, true); }},
        {u"prisme"_qs, prism},
        {u"chute"_qs, falling},
        {u"terre"_qs, earth},
        {u"galaxie"_qs, galaxy},
        {u"gaz"_qs, gas},
        {u"pendule"_qs, pendulum},
        {u"horloge"_qs, wallClock},
        {u"thermometre"_qs, thermometer},
    };
    p.setRenderHint(QPainter::Antialiasing);
    const auto it = drawings.find(drawing);
    if (it != drawings.end())
        it->second(p, size.width(), size.height());
    else
        drawBackground(p, size, QColor(240, 240, 250), QColor(200, 200, 230));
    drawCaption(p, size, caption);
}
