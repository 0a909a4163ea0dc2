#include "display/alerte.h"

#include "display/displaysettings.h"
#include "platform/platform.h"
#include "platform/processes.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(caption);
    button->setAutoDefault(false);
    button->setGeometry(geometry);
    return button;
}

} // namespace

Alerte::Alerte(Platform& platform, qint16 alerteEcran, QWidget* parent)
    : QDialog(parent), platform_(platform), alerteEcran_(alerteEcran) {
    setObjectName(QStringLiteral("alerte"));
    setWindowTitle(QStringLiteral("Affichage mal adapté"));
    setFixedSize(520, 176);

    Image3 = new QLabel(this);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setAccessibleName(QStringLiteral("Avertissement"));
    Image3->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    Image3->setGeometry(16, 16, 32, 32);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(QFont(QStringLiteral("MS Sans Serif")));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setGeometry(64, 16, 440, 100);

    // Command1 and Command2 share one place: only one of them is ever visible.
    const QRect firstChoice(16, 132, 340, 28);
    Command1 = makeButton(this, "Command1", QStringLiteral("Poursuivre l'exécution du logiciel"),
                          firstChoice);
    Command2 =
        makeButton(this, "Command2",
                   QStringLiteral("Afficher le panneau de configuration WINDOWS."), firstChoice);
    Command3 = makeButton(this, "Command3", QString(), QRect(372, 132, 132, 28));

    connect(Command1, &QPushButton::clicked, this, &Alerte::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Alerte::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Alerte::Command3_Click);

    Form_Load();
}

void Alerte::Form_Load() {
    if (alerteEcran_ == 1) {
        Label1->setText(
            QStringLiteral("Il n'est pas possible d'exécuter ce logiciel si la zone d'écran est "
                           "inférieure à 800 x 600 pixels (avec si possible 16777216 couleurs - "
                           "24 bits -).\r\nModifier ce paramètre depuis le panneau de "
                           "configuration de WINDOWS."));
        Label1->setAccessibleName(Label1->text());
        Command3->setText(QStringLiteral("Quitter"));
        Command3->setAccessibleName(Command3->text());
    }
    Command2->setHidden(false);
    Command1->setHidden(true);
}

void Alerte::Command1_Click() {
    accept();
}

void Alerte::Command2_Click() {
    startDisplaySettings(platform_.processes);
    Command2->setHidden(true);
    Command1->setHidden(false);
}

void Alerte::Command3_Click() {
    if (alerteEcran_ == 1)
        platform_.processes.endProgram();
}
