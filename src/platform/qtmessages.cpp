#include "platform/qtmessages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::StandardButtons standardButtons(Messages::Buttons buttons) {
    switch (buttons) {
    case Messages::Buttons::Ok:
        return QMessageBox::Ok;
    case Messages::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Messages::Buttons::YesNo:
    case Messages::Buttons::YesNoDefaultNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Messages::Buttons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon standardIcon(Messages::Icon icon) {
    switch (icon) {
    case Messages::Icon::None:
        return QMessageBox::NoIcon;
    case Messages::Icon::Critical:
        return QMessageBox::Critical;
    case Messages::Icon::Exclamation:
        return QMessageBox::Warning;
    case Messages::Icon::Question:
        return QMessageBox::Question;
    case Messages::Icon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

Messages::Answer answerOf(int button, Messages::Buttons buttons) {
    switch (button) {
    case QMessageBox::Ok:
        return Messages::Answer::Ok;
    case QMessageBox::Yes:
        return Messages::Answer::Yes;
    case QMessageBox::No:
        return Messages::Answer::No;
    case QMessageBox::Retry:
        return Messages::Answer::Retry;
    case QMessageBox::Cancel:
        return Messages::Answer::Cancel;
    }
    // Closed by the window system: the box's escape answer.
    switch (buttons) {
    case Messages::Buttons::Ok:
        return Messages::Answer::Ok;
    case Messages::Buttons::YesNo:
    case Messages::Buttons::YesNoDefaultNo:
        return Messages::Answer::No;
    default:
        return Messages::Answer::Cancel;
    }
}

} // namespace

Messages::Answer QtMessages::show(const QString& title, const QString& text, Buttons buttons,
                                  Icon icon) {
    QMessageBox box(standardIcon(icon), title, text, standardButtons(buttons),
                    QApplication::activeWindow());
    // Qt's own texts stay English otherwise; the user reads French everywhere.
    if (auto* b = box.button(QMessageBox::Cancel))
        b->setText(QStringLiteral("Annuler"));
    if (auto* b = box.button(QMessageBox::Yes))
        b->setText(QStringLiteral("Oui"));
    if (auto* b = box.button(QMessageBox::No))
        b->setText(QStringLiteral("Non"));
    if (auto* b = box.button(QMessageBox::Retry))
        b->setText(QStringLiteral("Réessayer"));
    if (buttons == Buttons::YesNoDefaultNo)
        box.setDefaultButton(QMessageBox::No);
    return answerOf(box.exec(), buttons);
}

void QtMessages::beep() {
    QApplication::beep();
}
