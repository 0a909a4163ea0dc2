#pragma once

#include <QFrame>

// An answer area of the test window. Once its question is answered it is locked:
// the choices and the answer box take no more input, but they keep their look, so
// the correction's colours and weights stay as written (a disabled Qt frame would
// paint every child in the pale disabled colours).
class AnswerArea : public QFrame {
    Q_OBJECT

public:
    using QFrame::QFrame;

    void setLocked(bool locked);
    bool isLocked() const { return locked_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool locked_ = false;
};
