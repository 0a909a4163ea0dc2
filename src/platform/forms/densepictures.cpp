#include "platform/forms/densepictures.h"

#include <QFileInfo>
#include <cmath>

QPixmap blankPicture(QSize size, qreal ratio) {
    QPixmap picture(size * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    return picture;
}

namespace {

QString denserSibling(const QString& path, int density) {
    const QFileInfo file(path);
    const QString suffix = file.suffix();
    const QString base = suffix.isEmpty() ? path : path.chopped(suffix.size() + 1);
    return base + QStringLiteral("@%1x").arg(density) + (suffix.isEmpty() ? "" : u'.' + suffix);
}

} // namespace

QImage readPicture(const QString& path, qreal ratio) {
    // QImageReader gives a "@Nx" file its ratio N.
    for (int density = int(std::ceil(ratio)); density >= 2; --density) {
        const QString sibling = denserSibling(path, density);
        if (QFileInfo::exists(sibling)) {
            QImage picture(sibling);
            if (!picture.isNull())
                return picture;
        }
    }
    return QImage(path);
}

QSize shownSize(const QImage& picture) {
    return picture.deviceIndependentSize().toSize();
}

QSize shownSize(const QPixmap& picture) {
    return picture.deviceIndependentSize().toSize();
}
