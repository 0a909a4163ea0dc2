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

    // Lets the keyboard reach a clickable control: it takes the focus with Tab, shows
    // a focus mark, and Enter or Space does what a click does. A screen reader
    // announces it as a link named by `spokenName`.
    void makeLink();
    bool isLink() const { return link_; }

    // The events of a click inside the control, in the order the mouse gives them:
    // the release, then the click.
    void activate();

    // The caption without its mnemonic mark, else the tooltip, else the accessible
    // name the design gave.
    QString spokenName() const;

Q_SIGNALS:
    void clicked();
    void mouseMoved(QPoint position);
    void mouseReleased(Qt::MouseButton button, QPoint position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool pressed_ = false;
    bool link_ = false;
};

// Links inside `frame` that its edges cut off (a folded chapter's entries) drop out
// of the Tab order, and come back when the frame grows to show them.
void reachOnlyShownLinks(QWidget& frame);

// While `cover` shows, the links of its parent that it lies over leave the Tab order:
// they are out of sight under it.
void skipLinksUnder(QWidget& cover);
