#include "display/form1.h"

#include "common/appdirectory.h"
#include "display/displaysettings.h"
#include "display/form1pictures.h"
#include "platform/files.h"
#include "platform/forms/formlabel.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "platform/processes.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace {

const QString crlf = QStringLiteral("\r\n");
const QColor textColour(0, 0, 128);
const QColor shadowColour(255, 255, 255);
const QColor actionColour(0, 0, 0);

void setTextColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

QLabel* makeLabel(QWidget* parent, const char* name, const QRect& geometry, const QColor& colour,
                  int pointSize = 9, bool bold = false) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font(QStringLiteral("MS Sans Serif"), pointSize);
    font.setBold(bold);
    label->setFont(font);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(geometry);
    setTextColour(label, colour);
    return label;
}

void setCaption(QLabel* label, const QString& caption) {
    label->setText(caption);
    label->setAccessibleName(caption);
}

// A shadow is created first so that its master, made next, is drawn over it.
QLabel* makeShadow(QWidget* parent, const char* name, const QRect& masterGeometry,
                   int pointSize = 9, bool bold = false) {
    return makeLabel(parent, name, masterGeometry, shadowColour, pointSize, bold);
}

FormLabel* makeImage(QWidget* parent, const char* name, const QPixmap& picture) {
    auto* image = new FormLabel(parent);
    image->setObjectName(QString::fromLatin1(name));
    image->setPicture(picture);
    image->setCursor(Qt::PointingHandCursor);
    return image;
}

void placeShadow(QLabel* shadow, const QLabel* master, int offset) {
    shadow->move(master->x() + offset, master->y() + offset);
}

} // namespace

Form1::Form1(Platform& platform, DisplayModes& displayModes, QWidget* parent)
    : QWidget(parent), platform_(platform), displayModes_(displayModes) {
    placeControls();
    Form_Load();
}

void Form1::placeControls() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Résolution écran"));
    setFixedSize(580, 480);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(200, 214, 232));
    setPalette(background);

    const QRect intro(20, 14, 540, 40);
    Label3 = makeShadow(this, "Label3", intro, 10, true);
    Label2 = makeLabel(this, "Label2", intro, textColour, 10, true);

    const QRect requirements(40, 60, 520, 52);
    ombre5 = makeShadow(this, "ombre5", requirements);
    Label4 = makeLabel(this, "Label4", requirements, textColour);

    const QRect currentHeading(20, 122, 540, 20);
    Label6 = makeShadow(this, "Label6", currentHeading, 9, true);
    Label1 = makeLabel(this, "Label1", currentHeading, textColour, 9, true);
    setCaption(Label1,
               QStringLiteral("La configuration actuelle de l'affichage sur cet ordinateur est:"));

    const QRect current(42, 148, 518, 52);
    Label9 = makeShadow(this, "Label9", current);
    Label5 = makeLabel(this, "Label5", current, textColour);

    const QRect bestHeading(20, 210, 540, 20);
    Label13 = makeShadow(this, "Label13", bestHeading, 9, true);
    Label12 = makeLabel(this, "Label12", bestHeading, textColour, 9, true);
    setCaption(Label12,
               QStringLiteral("La configuration la mieux adaptée pour cet ordinateur est:"));

    const QRect best(40, 236, 520, 20);
    Labelcons2 = makeShadow(this, "Labelcons2", best);
    Labelcons = makeLabel(this, "Labelcons", best, textColour);

    const QRect question(20, 272, 540, 20);
    Label8 = makeShadow(this, "Label8", question, 9, true);
    Label7 = makeLabel(this, "Label7", question, textColour, 9, true);
    setCaption(Label7, QStringLiteral("Que décidez-vous?"));

    Image1 = makeImage(this, "Image1", applyPicture(devicePixelRatioF()));
    Image1->setAccessibleName(QStringLiteral("Adopter la configuration conseillée."));
    Image1->move(40, 302);
    Labelconseil = makeLabel(this, "Labelconseil", QRect(84, 310, 476, 20), actionColour);
    setCaption(Labelconseil, QStringLiteral("Adopter la configuration conseillée."));

    Image3 = makeImage(this, "Image3", settingsPicture(devicePixelRatioF()));
    Image3->setAccessibleName(QStringLiteral("Afficher le panneau de configuration d'affichage"
                                             " Windows pour ajuster les paramètres."));
    Image3->move(40, 346);
    Label10 = makeLabel(this, "Label10", QRect(84, 348, 476, 34), actionColour);
    setCaption(Label10, QStringLiteral("Afficher le panneau de configuration d'affichage Windows "
                                       "pour ajuster les paramètres."));

    Image2 = makeImage(this, "Image2", closePicture(devicePixelRatioF()));
    Image2->setAccessibleName(QStringLiteral("Fermer cette page."));
    Image2->move(40, 390);
    Label11 = makeLabel(this, "Label11", QRect(84, 398, 476, 20), actionColour);
    setCaption(Label11, QStringLiteral("Fermer cette page."));

    Command1 = new QPushButton(QStringLiteral("Actualiser"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setAccessibleName(Command1->text());
    Command1->setFont(QFont(QStringLiteral("MS Sans Serif"), 9));
    Command1->setGeometry(440, 436, 120, 30);

    connect(Image1, &FormLabel::clicked, this, &Form1::Image1_Click);
    connect(Image2, &FormLabel::clicked, this, &Form1::Image2_Click);
    connect(Image3, &FormLabel::clicked, this, &Form1::Image3_Click);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
}

void Form1::Form_Load() {
    placeShadow(Label3, Label2, 2);
    placeShadow(Label6, Label1, 2);
    placeShadow(Label8, Label7, 2);
    placeShadow(ombre5, Label4, 2);
    placeShadow(Label13, Label12, 2);
    placeShadow(Labelcons2, Labelcons, 2);
    placeShadow(Label9, Label5, -2);
    Label3->resize(Label2->size());
    setCaption(Label6, Label1->text());
    setCaption(Label8, Label7->text());
    setCaption(Label13, Label12->text());

    setCaption(Label2, QStringLiteral("Pour exécuter Galvane dans les meilleures conditions, vous "
                                      "devez paramétrer l'affichage de votre ordinateur:"));
    setCaption(Label3, Label2->text());
    setCaption(Label4, QStringLiteral("Résolution: 800 x 600 pixels (pas d'exécution si "
                                      "inférieure).") +
                           crlf +
                           QStringLiteral("Couleurs vraies: 24 ou 32 bits (16 bits au "
                                          "minimum).") +
                           crlf + QStringLiteral("Paramètre avancé: petites polices"));
    setCaption(ombre5, Label4->text());

    const DisplayMeasures measures = measureDisplay(platform_.screen);
    const QString fonts = measures.smallFonts()
                              ? QStringLiteral("Paramètre avancé: petites polices")
                              : QStringLiteral("TAILLE DE LA POLICE INADAPTEE");
    setCaption(Label5, QStringLiteral("Résolution:") + numberText(measures.width) +
                           QStringLiteral(" x") + numberText(measures.height) +
                           QStringLiteral(" pixels.") + crlf + QStringLiteral("Couleurs:") +
                           numberText(measures.bits) + QStringLiteral(" bits.") + crlf + fonts);
    setCaption(Label9, Label5->text());

    if (measures.suitable()) {
        close();
        return;
    }

    modes_ = displayModes_.modes();
    const Recommendation best = recommendMode(modes_);
    meilleurMode = best.meilleurMode;
    meilleursBits = best.meilleursBits;
    if (meilleursBits >= 1) {
        setCaption(Labelcons, QStringLiteral("Résolution 800 x 600 pixels avec couleurs") +
                                  numberText(meilleursBits) + QStringLiteral(" bits."));
    } else {
        setCaption(Labelcons, QStringLiteral("Pas de configuration conseillée"));
        Image1->resize(0, Image1->height());
        setTextColour(Labelconseil, QColor(192, 192, 192));
    }
    setCaption(Labelcons2, Labelcons->text());
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_QueryUnload();
}

void Form1::Form_QueryUnload() {
    platform_.processes.start(programPath(QStringLiteral("GALVANE.EXE")), {},
                              Processes::WindowStyle::NormalFocus);
    platform_.processes.endProgram();
}

void Form1::Image1_Click() {
    if (meilleursBits < 1)
        return; // nothing recommended: the picture is hidden
    DisplayMode mode = modes_[meilleurMode];
    mode.fields =
        DisplayModes::bitsPerPixelField | DisplayModes::widthField | DisplayModes::heightField;
    const int result = displayModes_.change(mode);
    const QString title = QStringLiteral("Dispotune");
    if (result == DisplayModes::restartNeeded) {
        const Messages::Answer answer = platform_.messages.show(
            title,
            QStringLiteral("Cette modification ne sera effective qu'après le redémarrage de "
                           "WINDOWS.  Redémarrer maintenant?"),
            Messages::Buttons::YesNo, Messages::Icon::None);
        if (answer == Messages::Answer::Yes)
            displayModes_.requestRestart();
    } else if (result != DisplayModes::changed) {
        platform_.messages.show(title,
                                QStringLiteral("Erreur lors du changement de resolution: ") +
                                    QString::number(result),
                                Messages::Buttons::Ok, Messages::Icon::None);
    }
    Command1_Click();
}

void Form1::Image2_Click() {
    close();
}

void Form1::Image3_Click() {
    startDisplaySettings(platform_.processes);
}

void Form1::Command1_Click() {
    platform_.processes.start(programPath(QStringLiteral("dispotune.exe")), {},
                              Processes::WindowStyle::NormalFocus);
    platform_.processes.endProgram();
}

QString Form1::programPath(const QString& name) const {
    return repertoireProgramme(platform_.files.executableDirectory()) + name;
}
