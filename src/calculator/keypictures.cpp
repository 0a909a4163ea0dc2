#include "calculator/keypictures.h"

#include "platform/forms/densepictures.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

struct Power {
    QString base;
    QString exponent;
    bool italicBase;
};

Power powerOf(KeyPicture picture) {
    switch (picture) {
    case KeyPicture::Exp:
        return {QStringLiteral("e"), QStringLiteral("x"), true};
    case KeyPicture::TenPower:
        return {QStringLiteral("10"), QStringLiteral("x"), false};
    case KeyPicture::Square:
        return {QStringLiteral("x"), QStringLiteral("2"), true};
    case KeyPicture::Power:
        return {QStringLiteral("x"), QStringLiteral("y"), true};
    case KeyPicture::None:
        break;
    }
    return {};
}

} // namespace

QPixmap keyPicture(KeyPicture picture, QSize size, qreal ratio) {
    QPixmap pixmap = blankPicture(size, ratio);
    const Power power = powerOf(picture);
    if (power.base.isEmpty())
        return pixmap;

    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::black);
    QFont baseFont(QStringLiteral("Serif"));
    baseFont.setPixelSize(qMax(8, size.height() * 2 / 3));
    baseFont.setItalic(power.italicBase);
    QFont exponentFont(QStringLiteral("Serif"));
    exponentFont.setPixelSize(qMax(6, size.height() * 2 / 5));
    exponentFont.setItalic(power.exponent != QStringLiteral("2"));

    const QFontMetrics baseMetrics(baseFont);
    const QFontMetrics exponentMetrics(exponentFont);
    const int baseWidth = baseMetrics.horizontalAdvance(power.base);
    const int width = baseWidth + 1 + exponentMetrics.horizontalAdvance(power.exponent);
    const int left = qMax(0, (size.width() - width) / 2);
    const int baseline = size.height() - qMax(1, (size.height() - baseMetrics.ascent()) / 2) - 1;

    painter.setFont(baseFont);
    painter.drawText(left, baseline, power.base);
    painter.setFont(exponentFont);
    painter.drawText(left + baseWidth + 1, baseline - baseMetrics.ascent() / 2, power.exponent);
    return pixmap;
}
