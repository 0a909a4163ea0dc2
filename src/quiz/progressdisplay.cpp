#include "quiz/progressdisplay.h"

#include "common/numerictext.h"
#include "quiz/testsession.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {

struct SlotColours {
    QColor highlight;
    QColor shadow;
    QColor face;
    QColor label;
};

const SlotColours& coloursFor(int status) {
    static const std::array<SlotColours, 3> colours{{
        {QColor(255, 205, 150), QColor(128, 128, 128), QColor(255, 175, 100), Qt::black},
        {QColor(0, 255, 230), QColor(0, 128, 0), QColor(0, 220, 180), QColor(0, 128, 0)},
        {QColor(255, 150, 150), QColor(128, 0, 0), QColor(255, 50, 50), QColor(128, 0, 0)},
    }};
    return colours[std::clamp(status, 0, 2)];
}

void outline(QPainter& painter, QPoint topLeft, QPoint bottomRight, const QColor& colour) {
    painter.setPen(colour);
    painter.drawLine(topLeft.x(), topLeft.y(), bottomRight.x(), topLeft.y());
    painter.drawLine(bottomRight.x(), topLeft.y(), bottomRight.x(), bottomRight.y());
    painter.drawLine(bottomRight.x(), bottomRight.y(), topLeft.x(), bottomRight.y());
    painter.drawLine(topLeft.x(), bottomRight.y(), topLeft.x(), topLeft.y());
}

} // namespace

SlotSpan slotSpan(int i, int n, int height) {
    const float h = float(height) / float(n);
    return {arrondi(float(i) * h), arrondi(float(i + 1) * h - 1)};
}

int questionAtHeight(int y, int height, int n) {
    if (height <= 0 || n < 1)
        return 1;
    const int question = arrondi(double(y) / height * n + 0.5);
    return std::clamp(question, 1, n);
}

QPoint facePosition(QSize strip, QSize face, int question, int n) {
    const int count = std::max(n, 1);
    const double top = double(strip.height()) / count * (question - 0.5) - face.height() / 2.0;
    return {(strip.width() - face.width()) / 2, arrondi(top)};
}

ProgressStrip::ProgressStrip(const TestSession& session, QWidget* parent)
    : QWidget(parent), session_(session) {
    setObjectName(QStringLiteral("Picture1"));
    setFocusPolicy(Qt::StrongFocus);
}

void ProgressStrip::paintEvent(QPaintEvent*) {
    const int n = std::clamp(int(session_.nbQuestions), 0, 100);
    if (n < 1)
        return;
    QPainter painter(this);
    const int w = width();
    const QFontMetrics metrics(painter.font());
    bool anyAnswered = false;
    for (int i = 0; i < n; ++i) {
        const SlotSpan span = slotSpan(i, n, height());
        const int status = session_.etats[i + 1];
        anyAnswered = anyAnswered || status != 0;
        const SlotColours& colours = coloursFor(status);
        outline(painter, {0, span.first}, {w - 1, span.last}, colours.highlight);
        outline(painter, {1, span.first + 1}, {w - 1, span.last}, colours.shadow);
        painter.fillRect(QRect(QPoint(1, span.first + 1), QPoint(w - 2, span.last - 1)),
                         colours.face);
        const QString text = QStringLiteral("Question ") + QString::number(i + 1);
        const int x = (w - metrics.horizontalAdvance(text)) / 2;
        const int y = span.first + (span.last - span.first - metrics.height()) / 2;
        painter.setPen(colours.label);
        painter.drawText(x, y + metrics.ascent(), text);
    }
    if (anyAnswered)
        Q_EMIT answersShown();
}

void ProgressStrip::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    Q_EMIT released(event->position().toPoint().y());
}

Banner::Banner(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("tito"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Banner::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 100, 90));
    QFont font = painter.font();
    font.setPointSize(24);
    font.setBold(true);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const QString text = QStringLiteral("Connaissez-vous votre cours ?");
    const int length = int(text.size());
    const int y = (height() - metrics.height()) / 2 - 2;
    int x = 30;
    for (int i = 1; i <= length; ++i) {
        const int blue = arrondi(double(i) / length * 100 + 155);
        painter.setPen(QColor(255, 255, blue));
        const QString character = text.mid(i - 1, 1);
        painter.drawText(x, y + metrics.ascent(), character);
        x += metrics.horizontalAdvance(character);
    }
}

void paintTestBackground(QPainter& painter, QSize client) {
    painter.fillRect(QRect(QPoint(0, 0), client), Qt::white);
    for (int i = 0; i <= 60; ++i) {
        painter.setPen(QColor(255, 255, 195 + i));
        painter.drawLine(0, 40 + i, client.width() - 1, 40 + i);
    }
    for (int j = 30; j >= 0; --j) {
        painter.setPen(QColor(255, 255, 195 + 2 * j));
        painter.drawLine(0, client.height() - j, client.width() - 1, client.height() - j);
    }
}
