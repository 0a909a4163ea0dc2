#include "quiz/answerarea.h"

#include <QAbstractButton>
#include <QEvent>
#include <QLineEdit>

namespace {

bool isInput(const QEvent& event) {
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

// The controls that hold the answer; the model answer box stays free to scroll.
bool holdsAnswer(const QObject& control) {
    return qobject_cast<const QAbstractButton*>(&control) ||
           qobject_cast<const QLineEdit*>(&control);
}

} // namespace

void AnswerArea::setLocked(bool locked) {
    locked_ = locked;
    for (QWidget* control : findChildren<QWidget*>()) {
        if (!holdsAnswer(*control))
            continue;
        // The controls are added after the frame is made; installing the filter
        // again on a control that has it changes nothing.
        control->installEventFilter(this);
        // A locked control gives up the keyboard, so that the window's own keys
        // (Escape) still reach the window.
        control->setFocusPolicy(locked ? Qt::NoFocus : Qt::StrongFocus);
        if (locked)
            control->clearFocus();
    }
}

bool AnswerArea::eventFilter(QObject* watched, QEvent* event) {
    if (locked_ && isInput(*event) && holdsAnswer(*watched))
        return true;
    return QFrame::eventFilter(watched, event);
}
