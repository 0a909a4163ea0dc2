#include "navigator/multimparts.h"

#include "platform/forms/densepictures.h"
#include "platform/forms/formlabel.h"

#include <QFrame>
#include <QPixmapCache>

QString multimparts::objectName(QStringView design, int index) {
    return index < 0 ? design.toString() : design.toString() + u'_' + QString::number(index);
}

void multimparts::name(QWidget& control, QStringView design, int index, const QString& accessible) {
    control.setObjectName(objectName(design, index));
    control.setAccessibleName(QString(accessible).remove(u'&'));
}

QFrame* multimparts::whiteFrame(QWidget* parent, QStringView design, int index,
                                const QString& accessible) {
    auto* control = new QFrame(parent);
    name(*control, design, index, accessible);
    control->setAutoFillBackground(true);
    control->setPalette(QPalette(Qt::white));
    return control;
}

FormLabel* multimparts::label(QWidget* parent, QStringView design, int index,
                              const QString& caption) {
    auto* control = new FormLabel(parent);
    control->setText(caption);
    name(*control, design, index, caption);
    return control;
}

FormLabel* multimparts::image(QWidget* parent, QStringView design, int index,
                              const QPixmap& picture, const QString& tooltip) {
    auto* control = new FormLabel(parent);
    control->setPicture(picture);
    control->setToolTip(tooltip);
    name(*control, design, index, tooltip.isEmpty() ? objectName(design, index) : tooltip);
    return control;
}

QPixmap multimparts::picture(QStringView name, qreal ratio) {
    // The window shows the same few icons on every chapter and module: each is decoded
    // once, and the copies share its pixels.
    const QString path = QStringLiteral(":/multim/") + name.toString() + QStringLiteral(".png");
    const QString key = path + u'@' + QString::number(ratio);
    QPixmap cached;
    if (QPixmapCache::find(key, &cached))
        return cached;
    cached = QPixmap::fromImage(readPicture(path, ratio));
    QPixmapCache::insert(key, cached);
    return cached;
}
