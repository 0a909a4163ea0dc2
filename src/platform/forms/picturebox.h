#pragma once

#include <QFrame>
#include <QImage>

// A picture box: a drawing surface that shows a loaded picture (and takes its size)
// and on which boxes and text are drawn in its own pixel coordinates. Text goes at
// the current print position, as the forms toolkit prints. The surface has as many
// device pixels as the screen gives the box, so boxes and text stay sharp at 2×.
class PictureBox : public QFrame {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    // False, with the picture left as it was, when the file cannot be read. On a dense
    // screen the file's "@2x" sibling is shown instead when there is one. A picture
    // read raises `pictureChanged`.
    bool loadPicture(const QString& path);
    void clearPicture();
    bool hasPicture() const { return hasPicture_; }

    void setBorderSingle(bool single);
    bool borderSingle() const { return frameShape() != QFrame::NoFrame; }

    // Clears the drawing (to the background colour).
    void clear();
    // A box one pixel high is a line: filled rather than stroked, it costs a copy of
    // the colour instead of a blend per pixel.
    void fillBox(const QRect& box, const QColor& colour);
    void setPrintFont(const QFont& font) { printFont_ = font; }
    void setPrintColour(const QColor& colour) { printColour_ = colour; }
    void moveTo(QPoint position) { printPosition_ = position; }
    void print(const QString& text);

    const QImage& surface() const { return surface_; }

Q_SIGNALS:
    void mouseMoved(QPoint position);
    void pictureChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void fitSurface();

    QImage surface_;
    bool hasPicture_ = false;
    QFont printFont_;
    QColor printColour_ = Qt::black;
    QPoint printPosition_;
};
