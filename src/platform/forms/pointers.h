#pragma once

#include <QCursor>

class QWidget;

// Mouse pointer kinds of the window designs.
enum class PointerKind { Normal = 0, Hourglass = 11, Custom = 99 };

// The hand pointed at links and icons; `picture` is the cursor image, its hot spot
// the tip of the finger at the top left.
QCursor handCursor(const QPixmap& picture);

// The custom kind uses the control's own cursor image (set with handCursor).
void setPointer(QWidget& widget, PointerKind kind, const QCursor& custom);
