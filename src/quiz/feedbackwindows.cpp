#include "quiz/feedbackwindows.h"

#include "platform/forms/formlabel.h"
#include "quiz/testpictures.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

// Client areas 5970 × 990 and 5715 × 1830 twips at 15 twips per pixel.
constexpr QSize cjusteSize(398, 66);
constexpr QSize cfauxSize(381, 122);

QLabel* whiteLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setPointSize(14);
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: white;"));
    return label;
}

FormLabel* image(QWidget* parent, const QString& name, const QPixmap& picture) {
    auto* control = new FormLabel(parent);
    control->setObjectName(name);
    control->setPicture(picture);
    return control;
}

void paintBackground(QWidget& window, const QColor& colour) {
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, colour);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
}

QPushButton* pinkButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setStyleSheet(QStringLiteral("background-color: rgb(255, 192, 192);"));
    return button;
}

} // namespace

Cjuste::Cjuste(QWidget& face, QWidget* parent) : QDialog(parent), face_(face) {
    setObjectName(QStringLiteral("Cjuste"));
    setFixedSize(cjusteSize);
    paintBackground(*this, QColor(0, 220, 180));
    Label3 = whiteLabel(this, QStringLiteral("Label3"), QStringLiteral("Réponse exacte"));
    Label3->setGeometry(80, 16, 300, 34);
    Image3 =
        image(this, QStringLiteral("Image3"), testpictures::rightFrame(1, devicePixelRatioF()));
    Image3->move(24, 17);
    Image1 =
        image(this, QStringLiteral("Image1"), testpictures::rightFrame(1, devicePixelRatioF()));
    Image1->hide();
    Image2 =
        image(this, QStringLiteral("Image2"), testpictures::rightFrame(2, devicePixelRatioF()));
    Image2->hide();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &Cjuste::tick);
}

void Cjuste::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ticks_ = 0;
    showsFirstFrame_ = true;
    Image3->setPixmap(Image1->pixmap());
    face_.hide();
    Timer1->start();
}

void Cjuste::hideEvent(QHideEvent* event) {
    Timer1->stop();
    face_.show();
    QDialog::hideEvent(event);
}

void Cjuste::tick() {
    ++ticks_;
    showsFirstFrame_ = !showsFirstFrame_;
    Image3->setPixmap(showsFirstFrame_ ? Image1->pixmap() : Image2->pixmap());
    if (ticks_ >= 3)
        accept();
}

Cfaux::Cfaux(QWidget& face, qint16& voirCours, QWidget* parent) : QDialog(parent), face_(face) {
    setObjectName(QStringLiteral("Cfaux"));
    setFixedSize(cfauxSize);
    paintBackground(*this, QColor(255, 50, 50));
    Label1 = whiteLabel(this, QStringLiteral("Label1"), QStringLiteral("Réponse fausse"));
    Label1->setGeometry(80, 12, 290, 30);
    Image1 = image(this, QStringLiteral("Image1"), testpictures::wrongPicture(devicePixelRatioF()));
    Image1->move(24, 10);
    Command1 = pinkButton(this, QStringLiteral("Command1"),
                          QStringLiteral("Poursuivre le test sans voir le cours"));
    Command1->setGeometry(16, 52, 349, 28);
    Command9 = pinkButton(this, QStringLiteral("Command9"), QString());
    Command9->setGeometry(16, 86, 349, 28);
    // Any way of closing other than the course button continues the test.
    voirCours = 0;
    face_.hide();
    connect(Command1, &QPushButton::clicked, this, [this, &voirCours] {
        voirCours = 0;
        accept();
    });
    connect(Command9, &QPushButton::clicked, this, [this, &voirCours] {
        voirCours = 1;
        accept();
    });
}

void Cfaux::hideEvent(QHideEvent* event) {
    face_.show();
    QDialog::hideEvent(event);
}

void Cfaux::showEvent(QShowEvent* event) {
    // A long course reference gets a smaller font rather than a cut caption.
    QFont font = Command9->font();
    while (font.pointSizeF() > 6 &&
           QFontMetrics(font).horizontalAdvance(Command9->text()) > Command9->width() - 12)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    Command9->setFont(font);
    QDialog::showEvent(event);
}
