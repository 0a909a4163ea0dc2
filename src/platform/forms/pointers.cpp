#include "platform/forms/pointers.h"

#include <QPixmap>
#include <QWidget>

QCursor handCursor(const QPixmap& picture) {
    if (picture.isNull())
        return QCursor(Qt::PointingHandCursor);
    // The hot spot is in device-independent pixels, as the picture is shown.
    return QCursor(picture, picture.deviceIndependentSize().width() / 4, 0);
}

void setPointer(QWidget& widget, PointerKind kind, const QCursor& custom) {
    switch (kind) {
    case PointerKind::Normal:
        widget.unsetCursor();
        break;
    case PointerKind::Hourglass:
        widget.setCursor(Qt::WaitCursor);
        break;
    case PointerKind::Custom:
        widget.setCursor(custom);
        break;
    }
}
