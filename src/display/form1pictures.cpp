#include "display/form1pictures.h"

#include "platform/forms/densepictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int side = 32;

void drawScreen(QPainter& painter) {
    painter.setPen(QPen(QColor(40, 40, 40), 1.5));
    painter.setBrush(QColor(90, 140, 210));
    painter.drawRoundedRect(QRectF(2.5, 3.5, 27, 19), 2, 2);
    painter.setBrush(QColor(60, 60, 60));
    painter.drawRect(QRectF(13, 23, 6, 3));
    painter.drawRoundedRect(QRectF(8, 26, 16, 3), 1, 1);
}

} // namespace

QPixmap applyPicture(qreal ratio) {
    QPixmap picture = blankPicture({side, side}, ratio);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    drawScreen(painter);
    QPainterPath tick;
    tick.moveTo(9, 13);
    tick.lineTo(14, 18);
    tick.lineTo(23, 8);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(20, 160, 40), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
    return picture;
}

QPixmap settingsPicture(qreal ratio) {
    QPixmap picture = blankPicture({side, side}, ratio);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    drawScreen(painter);
    painter.setPen(QPen(Qt::white, 1.5));
    for (const qreal y : {8.0, 13.0, 18.0})
        painter.drawLine(QPointF(7, y), QPointF(25, y));
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    painter.setBrush(QColor(250, 200, 60));
    painter.drawEllipse(QPointF(19, 8), 2.5, 2.5);
    painter.drawEllipse(QPointF(11, 13), 2.5, 2.5);
    painter.drawEllipse(QPointF(16, 18), 2.5, 2.5);
    return picture;
}

QPixmap closePicture(qreal ratio) {
    QPixmap picture = blankPicture({side, side}, ratio);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(120, 0, 0), 1.5));
    painter.setBrush(QColor(210, 40, 40));
    painter.drawEllipse(QRectF(2.5, 2.5, 27, 27));
    painter.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(11, 11), QPointF(21, 21));
    painter.drawLine(QPointF(21, 11), QPointF(11, 21));
    return picture;
}
