#include "calculator/machinebackground.h"

#include "common/numerictext.h"

#include <QPainter>

void paintMachineBackground(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int x = 0; x <= 301; ++x) {
        const int g = arrondi(200 - x / 2.0);
        painter.setPen(QColor(g, g + 50, g + 50));
        painter.drawLine(x, 0, x, 430);
    }
    // Outlines from corner to corner, both corners included.
    const auto outline = [&](int x1, int y1, int x2, int y2) {
        painter.drawRect(x1, y1, x2 - x1, y2 - y1);
    };
    painter.setBrush(Qt::NoBrush);
    painter.setPen(Qt::white);
    outline(1, 1, 299, 428);
    painter.setPen(Qt::black);
    painter.drawLine(1, 1, 299, 1);
    painter.drawLine(1, 1, 1, 427);
    painter.setPen(Qt::white);
    outline(82, 290, 206, 421);
    painter.setPen(QColor(0, 128, 128));
    outline(81, 289, 205, 420);
}
