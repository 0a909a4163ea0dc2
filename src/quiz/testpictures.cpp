#include "quiz/testpictures.h"

#include "platform/forms/densepictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <cmath>

namespace testpictures {
namespace {

constexpr int side = 32;

QPixmap arrow(bool pointsLeft, const QColor& colour, qreal ratio) {
    QPixmap picture = blankPicture({side, side}, ratio);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(colour);
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    QPolygon shape =
        pointsLeft ? QPolygon({{4, 16}, {18, 4}, {18, 11}, {28, 11}, {28, 21}, {18, 21}, {18, 28}})
                   : QPolygon({{28, 16}, {14, 4}, {14, 11}, {4, 11}, {4, 21}, {14, 21}, {14, 28}});
    painter.drawPolygon(shape);
    return picture;
}

QPixmap cross(const QColor& colour, qreal ratio) {
    QPixmap picture = blankPicture({side, side}, ratio);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(8, 8, 24, 24);
    painter.drawLine(24, 8, 8, 24);
    return picture;
}

} // namespace

QPixmap face(int k, qreal ratio) {
    QPixmap picture = blankPicture({side, side}, ratio);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(120, 80, 0), 1.5));
    painter.setBrush(QColor(255, 220, 40));
    painter.drawEllipse(QRectF(1.5, 1.5, 29, 29));
    painter.setBrush(Qt::black);
    painter.drawEllipse(QRectF(9, 10, 4, 5));
    painter.drawEllipse(QRectF(19, 10, 4, 5));
    // The mouth bends from a frown (1) through a straight line (4) to a wide smile (7).
    const double bend = (k - 4) * 2.5;
    QPainterPath mouth;
    mouth.moveTo(9, 22 - bend / 2);
    mouth.quadTo(16, 22 + bend * 1.5, 23, 22 - bend / 2);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(120, 40, 0), 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(mouth);
    return picture;
}

QPixmap previousArrow(qreal ratio) {
    return arrow(true, QColor(255, 175, 100), ratio);
}
QPixmap nextArrow(qreal ratio) {
    return arrow(false, QColor(255, 175, 100), ratio);
}

QPixmap validate(qreal ratio) {
    QPixmap picture = blankPicture({side, side}, ratio);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 128, 0), 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawPolyline(QPolygon({{6, 17}, {13, 25}, {27, 7}}));
    return picture;
}

QPixmap closeTest(qreal ratio) {
    return cross(QColor(128, 0, 0), ratio);
}

QPixmap calculator(qreal ratio) {
    QPixmap picture = blankPicture({side, side}, ratio);
    QPainter painter(&picture);
    // Filled rectangles rather than outlined ones: they cover whole pixels of the
    // design, at 1× and at 2× alike, where a 1-pixel outline lands half a pixel off
    // at 2×. A box's outline covers columns x to x + w and rows y to y + h.
    const auto box = [&](int x, int y, int w, int h, const QColor& fill) {
        painter.fillRect(x, y, w + 1, h + 1, Qt::black);
        painter.fillRect(x + 1, y + 1, w - 1, h - 1, fill);
    };
    box(6, 2, 20, 28, QColor(200, 200, 200));
    box(9, 5, 14, 6, QColor(180, 230, 180));
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            box(9 + column * 5, 14 + row * 5, 3, 3, Qt::white);
    return picture;
}

QPixmap wrongMark(qreal ratio) {
    return cross(QColor(255, 0, 0), ratio);
}

QPixmap missedMark(qreal ratio) {
    return arrow(false, QColor(255, 0, 0), ratio);
}

QPixmap pointer(qreal ratio) {
    QPixmap picture = blankPicture({side, side}, ratio);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawPolygon(QPolygon({{0, 0}, {0, 20}, {5, 15}, {9, 24}, {12, 23}, {8, 14}, {15, 14}}));
    return picture;
}

QPixmap rightFrame(int f, qreal ratio) {
    QPixmap picture = blankPicture({side, side}, ratio);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(f == 1 ? QColor(255, 255, 255) : QColor(255, 255, 0));
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? 15 : (f == 1 ? 6 : 9);
        const double angle = (i * 36 - 90 + (f == 1 ? 0 : 18)) * 3.14159265358979 / 180;
        star << QPointF(16 + radius * std::cos(angle), 16 + radius * std::sin(angle));
    }
    painter.drawPolygon(star);
    return picture;
}

QPixmap wrongPicture(qreal ratio) {
    return cross(QColor(255, 255, 255), ratio);
}

} // namespace testpictures
