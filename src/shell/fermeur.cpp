#include "shell/fermeur.h"

#include <QLabel>
#include <QStyle>

Fermeur::Fermeur(std::function<void(Fermeur&)> Form_Activate, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      activation_(std::move(Form_Activate)) {
    setObjectName(QStringLiteral("Fermeur"));
    setWindowTitle(QStringLiteral("Galvane"));
    setAccessibleName(QStringLiteral("Galvane"));
    setFixedSize(340, 120);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(QStringLiteral("Patience"));
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    Image1->setGeometry(16, 16, 32, 32);

    Label1 = new QLabel(QStringLiteral("Patience: fermeture du logiciel"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAccessibleName(Label1->text());
    Label1->setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setGeometry(64, 16, 260, 88);
}

// Run after the first paint rather than on activation, which a desktop without a
// window manager may never report, or on the first show, which comes before the
// window is on screen: the user would never see the message. Queued, so that the
// painted window reaches the screen first.
void Fermeur::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (active_)
        return;
    active_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            activation_(*this);
            accept();
        },
        Qt::QueuedConnection);
}
