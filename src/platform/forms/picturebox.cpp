#include "platform/forms/picturebox.h"

#include "platform/forms/densepictures.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {
    setMouseTracking(true);
    setAutoFillBackground(true);
    setBorderSingle(false);
}

bool PictureBox::loadPicture(const QString& path) {
    const QImage picture = readPicture(path, devicePixelRatioF());
    if (picture.isNull())
        return false;
    surface_ = picture.convertToFormat(QImage::Format_RGB32);
    hasPicture_ = true;
    resize(shownSize(surface_) + QSize(2 * frameWidth(), 2 * frameWidth()));
    update();
    Q_EMIT pictureChanged();
    return true;
}

void PictureBox::clearPicture() {
    hasPicture_ = false;
    clear();
}

void PictureBox::setBorderSingle(bool single) {
    const QSize inside = contentsRect().size();
    setFrameStyle(single ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    setLineWidth(1);
    if (hasPicture_)
        resize(inside + QSize(2 * frameWidth(), 2 * frameWidth()));
}

void PictureBox::clear() {
    fitSurface();
    surface_.fill(palette().color(backgroundRole()));
    update();
}

void PictureBox::fillBox(const QRect& box, const QColor& colour) {
    QPainter painter(&surface_);
    painter.fillRect(box, colour);
    update();
}

void PictureBox::print(const QString& text) {
    QPainter painter(&surface_);
    painter.setFont(printFont_);
    painter.setPen(printColour_);
    const QFontMetrics metrics(printFont_);
    painter.drawText(printPosition_ + QPoint(0, metrics.ascent()), text);
    printPosition_ = {printPosition_.x(), printPosition_.y() + metrics.height()};
    update();
}

void PictureBox::fitSurface() {
    const QSize size = contentsRect().size().expandedTo({1, 1});
    const qreal ratio = devicePixelRatioF();
    if (shownSize(surface_) == size && surface_.devicePixelRatio() == ratio)
        return;
    QImage fitted(size * ratio, QImage::Format_RGB32);
    fitted.setDevicePixelRatio(ratio);
    fitted.fill(palette().color(backgroundRole()));
    QPainter(&fitted).drawImage(0, 0, surface_);
    surface_ = fitted;
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter(this).drawImage(contentsRect().topLeft(), surface_);
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    if (!hasPicture_)
        fitSurface();
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT mouseMoved(event->position().toPoint());
    QFrame::mouseMoveEvent(event);
}
