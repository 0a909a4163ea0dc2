#include "platform/forms/formlabel.h"

#include "platform/forms/densepictures.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// What a screen reader sees of a label or an image: a link with a press action that
// does what a click does, or plain text; either way named by what it shows now, since
// captions change at run time (headings, table entries, page links).
class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(FormLabel* label) : QAccessibleWidget(label) {}

    QAccessible::Role role() const override {
        if (label().isLink())
            return QAccessible::Link;
        return label().pixmap().isNull() ? QAccessible::StaticText : QAccessible::Graphic;
    }

    QString text(QAccessible::Text t) const override {
        const FormLabel& label = this->label();
        if (t == QAccessible::Name)
            return label.spokenName();
        if (t == QAccessible::Description && label.toolTip() != label.spokenName())
            return label.toolTip();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override {
        const QStringList others = QAccessibleWidget::actionNames();
        return label().isLink() ? QStringList(pressAction()) + others : others;
    }

    void doAction(const QString& action) override {
        if (action == pressAction() && label().isLink())
            label().activate();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    FormLabel& label() const { return *static_cast<FormLabel*>(widget()); }
};

QAccessibleInterface* labelAccessible(const QString&, QObject* object) {
    auto* label = qobject_cast<FormLabel*>(object);
    return label ? new LabelAccessible(label) : nullptr;
}

class ShownLinksFilter : public QObject {
public:
    explicit ShownLinksFilter(QWidget& frame) : QObject(&frame), frame_(frame) { update(); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &frame_ && event->type() == QEvent::Resize)
            update();
        return false;
    }

private:
    void update() {
        for (FormLabel* label : frame_.findChildren<FormLabel*>()) {
            if (!label->isLink())
                continue;
            const QRect inFrame(label->mapTo(&frame_, QPoint(0, 0)), label->size());
            label->setFocusPolicy(frame_.rect().contains(inFrame) ? Qt::TabFocus : Qt::NoFocus);
        }
    }

    QWidget& frame_;
};

class CoveredLinksFilter : public QObject {
public:
    explicit CoveredLinksFilter(QWidget& cover) : QObject(&cover), cover_(cover) { update(); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool shownOrHidden =
            event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent;
        if (watched == &cover_ && shownOrHidden)
            update();
        return false;
    }

private:
    void update() {
        QWidget* parent = cover_.parentWidget();
        if (!parent)
            return;
        for (FormLabel* label : parent->findChildren<FormLabel*>(Qt::FindDirectChildrenOnly)) {
            if (label->isLink() && cover_.geometry().intersects(label->geometry()))
                label->setFocusPolicy(cover_.isHidden() ? Qt::TabFocus : Qt::NoFocus);
        }
    }

    QWidget& cover_;
};

} // namespace

FormLabel::FormLabel(QWidget* parent) : QLabel(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(labelAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setMouseTracking(true);
}

void FormLabel::setPicture(const QPixmap& picture) {
    setPixmap(picture);
    if (!picture.isNull())
        resize(shownSize(picture));
}

// Tab focus only: a click does its work without taking the keyboard from where it was,
// so the mouse sees the window as it always was.
void FormLabel::makeLink() {
    link_ = true;
    setFocusPolicy(Qt::TabFocus);
}

void FormLabel::activate() {
    Q_EMIT mouseReleased(Qt::LeftButton, rect().center());
    Q_EMIT clicked();
}

QString FormLabel::spokenName() const {
    QString caption = text();
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(u'&');
    caption.replace(u'\x01', u'&');
    caption = caption.simplified();
    if (!caption.isEmpty())
        return caption;
    if (!toolTip().isEmpty())
        return toolTip();
    return accessibleName();
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

void FormLabel::keyPressEvent(QKeyEvent* event) {
    const bool activation = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                            event->key() == Qt::Key_Space;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!link_ || !activation || !plain) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat())
        activate();
}

// The hover look follows the focus: the control Tab reaches gets the move the mouse
// would give it, for its own handlers and for those watching the area around it.
void FormLabel::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    if (link_) {
        const QPointF centre = QRectF(rect()).center();
        QMouseEvent move(QEvent::MouseMove, centre, mapToGlobal(centre), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(this, &move);
    }
    update();
}

void FormLabel::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    update();
}

void FormLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!link_ || !hasFocus())
        return;
    QPainter painter(this);
    QPen pen(palette().color(QPalette::Highlight), 2, Qt::DotLine);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

void reachOnlyShownLinks(QWidget& frame) {
    frame.installEventFilter(new ShownLinksFilter(frame));
}

void skipLinksUnder(QWidget& cover) {
    cover.installEventFilter(new CoveredLinksFilter(cover));
}
