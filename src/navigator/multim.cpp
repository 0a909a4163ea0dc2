#include "navigator/multim.h"

#include "navigator/multimdesign.h"
#include "navigator/multimparts.h"
#include "platform/forms/formlabel.h"
#include "platform/forms/picturebox.h"
#include "platform/forms/pointers.h"
#include "platform/richtext/richtextbox.h"

#include <QAction>
#include <QCloseEvent>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace d = multimdesign;
using multimparts::image;
using multimparts::label;
using multimparts::name;
using multimparts::picture;

Multim::Multim(double twipsPerPixelX, double twipsPerPixelY, QWidget* parent)
    : QWidget(parent), twips_(twipsPerPixelX, twipsPerPixelY),
      outerSize_(d::outerWidth, d::outerHeight) {
    Q_INIT_RESOURCE(multim);
    // No accessible name of its own: a screen reader then announces the caption, which
    // follows each page.
    name(*this, u"multim", -1, QString());
    resize(d::clientWidth, d::clientHeight);
    setAutoFillBackground(true);
    setMouseTracking(true);
    hand_ = handCursor(picture(u"hand", devicePixelRatioF()));
    buildPage();
    buildSummaries();
    buildTables();
    buildModules();
    buildMedia();
    buildCommands();
    buildKeyboardAccess();
}

void Multim::setOuterGeometry(const QRect& outer) {
    outerSize_ = outer.size();
    move(outer.topLeft());
    fitOuterSize();
}

QSize Multim::frameMargins() const {
    return isVisible() ? frameGeometry().size() - geometry().size()
                       : QSize(d::outerWidth - d::clientWidth, d::outerHeight - d::clientHeight);
}

void Multim::fitOuterSize() {
    fittedMargins_ = frameMargins();
    resize(outerSize_ - fittedMargins_);
}

// A busy window manager may frame the window later than the show's timer: the frame
// moves the window, and the outer size is fitted again to the frame it now has.
void Multim::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (isVisible() && windowState() == Qt::WindowNoState && frameMargins() != fittedMargins_)
        fitOuterSize();
}

void Multim::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    fitOuterSize();
    // A window manager frames the window a little after it is shown.
    QTimer::singleShot(200, this, &Multim::fitOuterSize);
}

void Multim::closeEvent(QCloseEvent* event) {
    if (Form_QueryUnload && Form_QueryUnload())
        event->ignore();
    else
        QWidget::closeEvent(event);
}

void Multim::buildPage() {
    titre = new PictureBox(this);
    name(*titre, u"titre", -1, QStringLiteral("Titre"));
    titre->setGeometry(d::titre);
    bastitre = new PictureBox(this);
    name(*bastitre, u"bastitre", -1, QStringLiteral("Bandeau bas"));
    bastitre->setGeometry(d::bastitre);

    Label9 = label(this, u"Label9", -1, QStringLiteral("Sommaire"));
    Label9->setGeometry(d::Label9);
    Label9->setAttribute(Qt::WA_TranslucentBackground);
    // Drawn over the band only: clicks go to what lies beneath.
    Label9->setAttribute(Qt::WA_TransparentForMouseEvents);

    texteur = new RichTextBox(this);
    name(*texteur, u"texteur", -1, QStringLiteral("Texte de la page"));
    texteur->setGeometry(d::texteur);
    texteur->setReadOnly(true);
    texteur->hide();

    Picture4 = new PictureBox(this);
    name(*Picture4, u"Picture4", -1, QStringLiteral("Image de la page"));
    Picture4->setGeometry(d::Picture4);

    avantcours = image(this, u"avantcours", -1, picture(u"avantcours", devicePixelRatioF()),
                       QStringLiteral("Page précédente"));
    avantcours->move(d::avantcours);
    Labelavant = label(this, u"Labelavant", -1, QString());
    Labelavant->setGeometry(d::Labelavant);
    suite = image(this, u"suite", -1, picture(u"suite", devicePixelRatioF()),
                  QStringLiteral("Page suivante"));
    suite->move(d::suite);
    Labelapres = label(this, u"Labelapres", -1, QString());
    Labelapres->setGeometry(d::Labelapres);
    Labelapres->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (FormLabel* link : {Labelavant, Labelapres})
        link->setWordWrap(true);
    for (QWidget* link : {static_cast<QWidget*>(avantcours), static_cast<QWidget*>(Labelavant),
                          static_cast<QWidget*>(suite), static_cast<QWidget*>(Labelapres)})
        link->hide();

    List1 = new QListWidget(this);
    name(*List1, u"List1", -1, QStringLiteral("Mots clés"));
    List1->hide();
}

void Multim::buildCommands() {
    QPushButton** buttons[] = {&Command2,  &command5,  &command6, &Command1,  &command4, &Command3,
                               &Command12, &Command10, &Command8, &Command13, &Command14};
    int left = d::commandLeft;
    for (std::size_t k = 0; k < d::commands.size(); ++k) {
        const d::Command& design = d::commands[k];
        auto* button = new QPushButton(design.caption.toString(), this);
        name(*button, design.name, -1,
             design.caption.isEmpty() ? design.tooltip.toString() : design.caption.toString());
        button->setToolTip(design.tooltip.toString());
        button->setGeometry(left, d::commandTop, design.width, d::commandHeight);
        left += design.width + d::commandGap;
        *buttons[k] = button;
    }
    Command8->setIcon(picture(u"update", devicePixelRatioF()));

    avant = new QPushButton(QStringLiteral("&Précédent"), this);
    name(*avant, u"avant", -1, avant->text());
    avant->setGeometry(d::avant);
    avant->setEnabled(false);
    apres = new QPushButton(QStringLiteral("S&uivant"), this);
    name(*apres, u"apres", -1, apres->text());
    apres->setGeometry(d::apres);
    apres->setEnabled(false);

    Image2 = image(this, u"Image2", -1, picture(u"home", devicePixelRatioF()),
                   QStringLiteral("Afficher le sommaire général"));
    Image2->move(d::Image2);
}

void Multim::buildMedia() {
    projo = image(this, u"projo", -1, picture(u"projo", devicePixelRatioF()),
                  QStringLiteral("Voir la vidéo"));
    projo->move(d::projo);
    projo->hide();
    Imagexe = image(this, u"Imagexe", -1, picture(u"module1", devicePixelRatioF()), QString());
    Imagexe->setAccessibleName(QStringLiteral("Module de simulation"));
    Imagexe->move(d::Imagexe);
    setPointer(*Imagexe, PointerKind::Custom, hand_);
    Imagexe->hide();
    Labelexe = label(this, u"Labelexe", -1, QString());
    Labelexe->setGeometry(d::Labelexe);
    Labelexe->setAlignment(Qt::AlignCenter);
    Labelexe->hide();
    btexo = image(this, u"btexo", -1, picture(u"btexo", devicePixelRatioF()),
                  QStringLiteral("Revenir au test"));
    btexo->move(d::btexo);
    btexo->hide();
    Label16 = label(this, u"Label16", -1, QStringLiteral("Revenir au test"));
    Label16->setGeometry(d::Label16);
    Label16->setAlignment(Qt::AlignCenter);
    Label16->hide();

    label15 = new QFrame(this);
    name(*label15, u"label15", -1, QStringLiteral("Lecture de la vidéo"));
    label15->resize(d::label15);
    label15->setAutoFillBackground(true);
    label15->setPalette(QPalette(Qt::white));
    for (int i = 0; i < int(d::playbackPictures.size()); ++i) {
        FormLabel* button =
            image(label15, u"Image4", i, picture(d::playbackPictures[i], devicePixelRatioF()),
                  d::playbackTooltips[i].toString());
        button->move(4 + i * d::Image4Pitch, 4);
        button->setCursor(hand_);
        Image4.add(i, button);
    }
    label15->hide();

    MENUVIDEO = new QMenu(QStringLiteral("VIDEO"), this);
    name(*MENUVIDEO, u"MENUVIDEO", -1, MENUVIDEO->title());
    for (int i = 1; i <= 5; ++i) {
        auto* item = MENUVIDEO->addAction(QStringLiteral("0%1").arg(i));
        item->setObjectName(multimparts::objectName(u"MVideo", i));
        MVideo.add(i, item);
    }

    Frame1 = new QFrame(this);
    name(*Frame1, u"Frame1", -1, QStringLiteral("Puissances de dix"));
    Frame1->setGeometry(d::Frame1);
    Frame1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Frame1->setAutoFillBackground(true);
    Label24 = label(Frame1, u"Label24", -1, QStringLiteral("24"));
    twips_.place(*Label24, d::Label24);
    QFont exponent = Label24->font();
    exponent.setPointSize(24);
    exponent.setBold(true);
    Label24->setFont(exponent);
    Label25 = label(Frame1, u"Label25", -1,
                    QStringLiteral("L'Univers et ses milliers d'amas de galaxies."));
    twips_.place(*Label25, d::Label25);
    Label25->setWordWrap(true);
    Label25->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label8 = label(Frame1, u"Label8", -1, QStringLiteral("Streptococcus salivarius"));
    twips_.place(*Label8, d::Label8);
    // Small enough for the species and "(bactérie)." to share one line.
    QFont legende = Label25->font();
    legende.setPointSize(8);
    Label25->setFont(legende);
    legende.setItalic(true);
    Label8->setFont(legende);
    Label8->hide();
    command11 = image(Frame1, u"command11", -1, picture(u"up", devicePixelRatioF()),
                      QStringLiteral("Plus grand"));
    twips_.setLeft(*command11, d::command11.x());
    twips_.setTop(*command11, d::command11.y());
    Command9 = image(Frame1, u"Command9", -1, picture(u"down", devicePixelRatioF()),
                     QStringLiteral("Plus petit"));
    twips_.setLeft(*Command9, d::Command9.x());
    twips_.setTop(*Command9, d::Command9.y());
    Frame1->hide();
}
