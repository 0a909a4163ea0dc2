#pragma once

#include <QLabel>

// A label or an image of a window design: it reports clicks, mouse moves and mouse
// releases (with the position in its own pixels, negative above it), which QLabel
// keeps to itself.
class FormLabel : public QLabel {
    Q_OBJECT

public:
    explicit FormLabel(QWidget* parent = nullptr);

    // An image control takes the size of its picture.
    void setPicture(const QPixmap& picture);

Q_SIGNALS:
    void clicked();
    void mouseMoved(QPoint position);
    void mouseReleased(Qt::MouseButton button, QPoint position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};
