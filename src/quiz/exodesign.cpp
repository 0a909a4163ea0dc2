#include "platform/forms/formlabel.h"
#include "platform/forms/pointers.h"
#include "platform/forms/twips.h"
#include "platform/platform.h"
#include "platform/richtext/richtextbox.h"
#include "platform/screen.h"
#include "quiz/answerarea.h"
#include "quiz/exo.h"
#include "quiz/progressdisplay.h"
#include "quiz/testpictures.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

// The test window's design: every control named and placed in twips.

namespace {

FormLabel* label(QWidget* parent, const QString& name, const QString& caption) {
    auto* control = new FormLabel(parent);
    control->setObjectName(name);
    control->setText(caption);
    control->setAccessibleName(caption);
    return control;
}

FormLabel* image(QWidget* parent, const QString& name, const QPixmap& picture,
                 const QString& tooltip = QString()) {
    auto* control = new FormLabel(parent);
    control->setObjectName(name);
    control->setPicture(picture);
    if (!tooltip.isEmpty()) {
        control->setToolTip(tooltip);
        control->setAccessibleName(tooltip);
    }
    return control;
}

// Hidden until a question shows the one area it needs.
AnswerArea* frame(QWidget* parent, const QString& name) {
    auto* control = new AnswerArea(parent);
    control->setObjectName(name);
    control->hide();
    return control;
}

// An image control without stretching: placed at its design corner, at the size of
// its picture.
void placeImage(const TwipsScale& twips, QWidget& image, int left, int top) {
    image.move(twips.toPixelsX(left), twips.toPixelsY(top));
}

QString indexed(const QString& name, int i) {
    return name + u'_' + QString::number(i);
}

} // namespace

void Exo::build() {
    const TwipsScale twips(context_.platform.screen.twipsPerPixelX(),
                           context_.platform.screen.twipsPerPixelY());
    setObjectName(QStringLiteral("exo"));
    resize(twips.toPixelsX(11850), twips.toPixelsY(8145));

    tito = new Banner(this);
    twips.place(*tito, {0, 0, 11850, 615});
    Label2 = label(this, QStringLiteral("Label2"), QString());
    twips.place(*Label2, {2160, 720, 9735, 495});
    QFont titleFont = Label2->font();
    titleFont.setPointSize(14);
    titleFont.setBold(true);
    Label2->setFont(titleFont);
    noa = label(this, QStringLiteral("noa"), QStringLiteral("Question"));
    twips.place(*noa, {2520, 1440, 3855, 375});
    Rtfexo = new RichTextBox(this);
    Rtfexo->setObjectName(QStringLiteral("Rtfexo"));
    Rtfexo->setReadOnly(true);
    twips.place(*Rtfexo, {2520, 1800, 5580, 1575});
    memortf = new RichTextBox(this);
    memortf->setObjectName(QStringLiteral("memortf"));
    memortf->hide();
    Image1 = image(this, QStringLiteral("Image1"), QPixmap());
    placeImage(twips, *Image1, 8640, 1920);
    Image1->hide();

    buildAnswerAreas();
    buildCommands();

    Picture1 = new ProgressStrip(context_.session, this);
    twips.place(*Picture1, {0, 615, 1950, 7530});
    Image4 = image(Picture1, QStringLiteral("Image4"), testpictures::face(4, devicePixelRatioF()));
    placeImage(twips, *Image4, 600, 120);
}

void Exo::buildAnswerAreas() {
    const TwipsScale twips(context_.platform.screen.twipsPerPixelX(),
                           context_.platform.screen.twipsPerPixelY());
    Frame1 = frame(this, QStringLiteral("Frame1"));
    twips.place(*Frame1, {2520, 3240, 5865, 2535});
    for (int i = 0; i < 5; ++i) {
        auto* option = new QRadioButton(Frame1);
        option->setObjectName(indexed(QStringLiteral("Option1"), i));
        twips.place(*option, {600, 120 + 480 * i, 5175, 495});
        Option1.add(i, option);
    }
    // The marks are the window's, laid over the answer areas in window coordinates.
    nonnon = image(this, QStringLiteral("nonnon"), testpictures::wrongMark(devicePixelRatioF()));
    placeImage(twips, *nonnon, 2520, 3240 + 240);
    nonnon->hide();

    Frame2 = frame(this, QStringLiteral("Frame2"));
    twips.place(*Frame2, {2520, 3240, 5865, 2535});
    for (int i = 0; i < 5; ++i) {
        auto* box = new QCheckBox(Frame2);
        box->setObjectName(indexed(QStringLiteral("Check1"), i));
        twips.place(*box, {600, 240 + 480 * i, 5175, 375});
        Check1.add(i, box);
        FormLabel* mark = image(this, indexed(QStringLiteral("faute"), i), QPixmap());
        placeImage(twips, *mark, 2520, 3240 + 180 + 480 * i);
        mark->hide();
        faute.add(i, mark);
    }

    Frame3 = frame(this, QStringLiteral("Frame3"));
    twips.place(*Frame3, {2520, 3240, 5865, 2535});
    Label1 = label(Frame3, QStringLiteral("Label1"), QStringLiteral("Votre réponse:"));
    twips.place(*Label1, {360, 180, 1335, 255});
    Text1 = new QLineEdit(Frame3);
    Text1->setObjectName(QStringLiteral("Text1"));
    twips.place(*Text1, {1920, 120, 3135, 375});
    Text3 = new QPlainTextEdit(Frame3);
    Text3->setObjectName(QStringLiteral("Text3"));
    Text3->setReadOnly(true);
    twips.place(*Text3, {600, 840, 4455, 855});
    Text3->hide();

    Image3 = image(this, QStringLiteral("Image3"), testpictures::wrongMark(devicePixelRatioF()));
    Image3->hide();
    Image5 = image(this, QStringLiteral("Image5"), testpictures::missedMark(devicePixelRatioF()));
    Image5->hide();
}

void Exo::buildCommands() {
    const TwipsScale twips(context_.platform.screen.twipsPerPixelX(),
                           context_.platform.screen.twipsPerPixelY());
    const QCursor pointer = handCursor(testpictures::pointer(devicePixelRatioF()));
    const auto command = [&](const QString& name, const QPixmap& picture, const QString& tooltip,
                             const QPoint& corner) {
        FormLabel* control = image(this, name, picture, tooltip);
        placeImage(twips, *control, corner.x(), corner.y());
        setPointer(*control, PointerKind::Custom, pointer);
        control->makeLink();
        return control;
    };
    Command3 = command(QStringLiteral("Command3"), testpictures::previousArrow(devicePixelRatioF()),
                       QStringLiteral("Question précédente"), {3600, 6120});
    command5 = command(QStringLiteral("command5"), testpictures::validate(devicePixelRatioF()),
                       QStringLiteral("Valider la réponse"), {4440, 6150});
    command4 = command(QStringLiteral("command4"), testpictures::nextArrow(devicePixelRatioF()),
                       QStringLiteral("Question suivante"), {5280, 6120});
    Label3 = label(this, QStringLiteral("Label3"), QStringLiteral("Valider la réponse"));
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    twips.place(*Label3, {4320, 6720, 765, 795});
    Label3->makeLink();
    Command7 = command(QStringLiteral("Command7"), testpictures::calculator(devicePixelRatioF()),
                       QStringLiteral("Machine à calculer"), {10560, 60});
    Image2 = command(QStringLiteral("Image2"), testpictures::closeTest(devicePixelRatioF()),
                     QStringLiteral("Fermer le test"), {11160, 60});

    QFont percentFont = font();
    percentFont.setPointSize(24);
    percentFont.setBold(true);
    Label5 = label(this, QStringLiteral("Label5"), QStringLiteral("%"));
    Label5->setFont(percentFont);
    Label5->setStyleSheet(QStringLiteral("color: black;"));
    twips.place(*Label5, {9870, 60, 450, 555});
    Label5->hide();
    command6 = label(this, QStringLiteral("command6"), QStringLiteral("%"));
    command6->setFont(percentFont);
    command6->setToolTip(QStringLiteral("Score"));
    command6->makeLink();
    command6->setStyleSheet(QStringLiteral("color: rgb(255, 255, 192);"));
    twips.place(*command6, {9840, 30, 450, 555});
    command6->hide();
}
