#include "platform/forms/formlabel.h"

#include "platform/forms/densepictures.h"

#include <QMouseEvent>

FormLabel::FormLabel(QWidget* parent) : QLabel(parent) {
    setMouseTracking(true);
}

void FormLabel::setPicture(const QPixmap& picture) {
    setPixmap(picture);
    if (!picture.isNull())
        resize(shownSize(picture));
}

void FormLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void FormLabel::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    Q_EMIT mouseReleased(event->button(), position);
    if (pressed_ && event->button() == Qt::LeftButton && rect().contains(position))
        Q_EMIT clicked();
    pressed_ = false;
}

void FormLabel::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT mouseMoved(event->position().toPoint());
    QLabel::mouseMoveEvent(event);
}
