#include "quiz/exo.h"

#include "calculator/ouvrirmachine.h"
#include "common/appdirectory.h"
#include "common/spaces.h"
#include "navigator/multim.h"
#include "navigator/navigationstate.h"
#include "platform/files.h"
#include "platform/forms/densepictures.h"
#include "platform/forms/formlabel.h"
#include "platform/messages.h"
#include "platform/modalwindows.h"
#include "platform/platform.h"
#include "platform/richtext/richtextbox.h"
#include "platform/screen.h"
#include "quiz/answerarea.h"
#include "quiz/answermatching.h"
#include "quiz/feedbackwindows.h"
#include "quiz/judgement.h"
#include "quiz/progressdisplay.h"
#include "quiz/statement.h"
#include "quiz/testfile.h"
#include "quiz/testpictures.h"
#include "quiz/testsession.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

QString numberWithSpace(int value) {
    return u' ' + QString::number(value);
}

} // namespace

Exo::Exo(TestWindowContext context, QWidget* parent)
    : QDialog(parent), context_(std::move(context)) {
    build();
    connectHandlers();
}

QString Exo::applicationDirectory() const {
    return repertoireProgramme(context_.platform.files.executableDirectory());
}

bool Exo::charger() {
    TestSession& session = context_.session;
    const Screen& screen = context_.platform.screen;
    if (screen.widthTwips() / screen.twipsPerPixelX() > 850)
        setGeometry(context_.multim.geometry());
    Frame2->setGeometry(Frame1->x(), Frame1->y(), Frame1->width(), Frame2->height());
    Frame3->setGeometry(Frame1->x(), Frame1->y(), Frame1->width(), Frame3->height());
    if (const FormLabel* title = context_.multim.titchap(session.numeroTest)) {
        setWindowTitle(title->text());
        Label2->setText(title->text());
    }
    Rtfexo->resize(375, Rtfexo->height());
    Image1->move(Rtfexo->x() + Rtfexo->width() + 20, Image1->y());

    const auto unusable = [&](const QString& text, const QString& title) {
        context_.platform.messages.show(title, text, Messages::Buttons::Ok,
                                        Messages::Icon::Critical);
        session.testEnCours = false;
        return false;
    };
    const OpenedTest opened = openTest(applicationDirectory(), session.numeroTest);
    session.cheminTest = opened.path;
    if (!opened.signatureOk)
        return unusable(QStringLiteral("Fichier ") + session.cheminTest +
                            QStringLiteral(" introuvable."),
                        QStringLiteral("Choix impossible"));
    const TestHeader header = readTestHeader(session.cheminTest);
    if (!memortf->loadFile(applicationDirectory() + header.document))
        return unusable(QStringLiteral("Fichier ") + applicationDirectory() + header.document +
                            QStringLiteral(" introuvable."),
                        QStringLiteral("Edition impossible"));
    // A test without questions cannot be taken (and would divide the strip by zero).
    if (header.nbQuestions < 1)
        return unusable(QStringLiteral("Le test ") + session.cheminTest +
                            QStringLiteral(" ne contient aucune question."),
                        QStringLiteral("Choix impossible"));
    session.nbQuestions = header.nbQuestions;
    if (session.questionCourante < 1 || session.questionCourante > session.nbQuestions)
        session.questionCourante = 1;
    premiereActivation_ = true;
    affsmile();
    return true;
}

void Exo::connectHandlers() {
    connect(Command3, &FormLabel::mouseReleased, this,
            [this](Qt::MouseButton, QPoint position) { arrowReleased(*Command3, position, -1); });
    connect(command4, &FormLabel::mouseReleased, this,
            [this](Qt::MouseButton, QPoint position) { arrowReleased(*command4, position, 1); });
    connect(Picture1, &ProgressStrip::released, this, [this](int y) {
        etatact();
        context_.session.questionCourante =
            qint16(questionAtHeight(y, Picture1->height(), context_.session.nbQuestions));
        tritexte();
    });
    connect(Picture1, &ProgressStrip::answersShown, this, &Exo::showScoreLabels);
    connect(command5, &FormLabel::clicked, this, &Exo::valider);
    connect(Label3, &FormLabel::clicked, this, &Exo::valider);
    connect(command6, &FormLabel::clicked, this, &Exo::afficherScore);
    connect(Image2, &FormLabel::clicked, this, &Exo::fermerTest);
    connect(Command7, &FormLabel::clicked, this, [this] {
        ouvrirMachineDuTest(context_.multim, context_.platform, context_.calculatrice);
    });
    Text1->installEventFilter(this);
}

void Exo::arrowReleased(FormLabel& arrow, QPoint position, int step) {
    // Releases left of or above the arrow are ignored; the bound on the other sides is
    // the arrow's size counted in twips, as the original windows measured it.
    const Screen& screen = context_.platform.screen;
    if (position.x() < 0 || position.y() < 0 ||
        position.x() > arrow.width() * screen.twipsPerPixelX() ||
        position.y() > arrow.height() * screen.twipsPerPixelY())
        return;
    etatact();
    TestSession& session = context_.session;
    const int target = session.questionCourante + step;
    if (target < 1 || target > session.nbQuestions)
        return;
    session.questionCourante = qint16(target);
    tritexte();
}

void Exo::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!premiereActivation_)
        return;
    premiereActivation_ = false;
    if (context_.session.etats[context_.session.questionCourante] != 0)
        prochainval();
    tritexte();
    affsmile();
    // What the strip's first painting does, without waiting for it.
    if (answeredCount() > 0)
        showScoreLabels();
}

void Exo::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintTestBackground(painter, size());
}

bool Exo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->text() == QStringLiteral(".")) {
            Text1->insert(QStringLiteral(","));
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (!command5->isHidden())
                valider();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Exo::tritexte() {
    TestSession& session = context_.session;
    const int n = session.questionCourante;
    if (n < 1 || n > session.nbQuestions)
        return;
    nonnon->hide();
    Image4->move(facePosition(Picture1->size(), Image4->size(), n, session.nbQuestions));
    Command3->setVisible(n != 1);
    command4->setVisible(n != session.nbQuestions);
    noa->setText(QStringLiteral("Question") + numberWithSpace(n) + QStringLiteral(" /") +
                 numberWithSpace(session.nbQuestions) + QStringLiteral(" :"));
    const std::optional<QTextDocumentFragment> statement = extractStatement(*memortf, n);
    if (!statement)
        return;
    Rtfexo->clear();
    Rtfexo->replaceSelection(*statement);
    const QuestionRecord question = readQuestion(session.cheminTest, n);
    showAnswerArea(question);
    majec();
    Text3->hide();
    const bool answered = session.etats[n] != 0;
    command5->setVisible(!answered);
    Label3->setVisible(!answered);
    setAnswerAreasEnabled(!answered);
    if (answered)
        reponseur();
    if (!trimSpaces(question.image).isEmpty()) {
        showQuestionPicture(applicationDirectory() + question.image);
        Image1->show();
        Image1->raise();
    } else {
        Image1->hide();
    }
}

// A picture that cannot be loaded shows nothing, never the previous question's.
void Exo::showQuestionPicture(const QString& path) {
    Image1->clear();
    QImage picture = readPicture(path, devicePixelRatioF());
    if (picture.isNull())
        return;
    // At its own size, scaled down (keeping its proportions) only where it would pass
    // the window's right edge.
    const int room = std::max(1, width() - Image1->x());
    if (shownSize(picture).width() > room) {
        const qreal ratio = picture.devicePixelRatio();
        picture = picture.scaledToWidth(qRound(room * ratio), Qt::SmoothTransformation);
        picture.setDevicePixelRatio(ratio);
    }
    Image1->setPicture(QPixmap::fromImage(picture));
}

int Exo::castexte() {
    const QuestionRecord question =
        readQuestion(context_.session.cheminTest, context_.session.questionCourante);
    return reponseCorrespond(Text1->text(), question.motCle);
}

int Exo::answeredCount() const {
    int answered = 0;
    for (int k = 1; k <= context_.session.nbQuestions; ++k)
        answered += context_.session.etats[k] != 0 ? 1 : 0;
    return answered;
}

int Exo::rightCount() const {
    int right = 0;
    for (int k = 1; k <= context_.session.nbQuestions; ++k)
        right += context_.session.etats[k] == 1 ? 1 : 0;
    return right;
}

void Exo::affsmile() {
    if (const std::optional<int> k = faceNumber(answeredCount(), rightCount()))
        Image4->setPicture(testpictures::face(*k, devicePixelRatioF()));
}

void Exo::showScoreLabels() {
    command6->show();
    Label5->show();
    Label5->stackUnder(command6);
}

void Exo::prochainval() {
    etatact();
    TestSession& session = context_.session;
    const int n = session.questionCourante;
    int next = 0;
    for (int k = n + 1; k <= session.nbQuestions && next == 0; ++k)
        if (session.etats[k] == 0)
            next = k;
    for (int k = 1; k <= session.nbQuestions && next == 0; ++k)
        if (session.etats[k] == 0)
            next = k;
    if (next == 0)
        return;
    session.questionCourante = qint16(next);
    tritexte();
}

void Exo::valider() {
    TestSession& session = context_.session;
    const int n = session.questionCourante;
    if (n < 1 || n > session.nbQuestions)
        return;
    if (command6->isHidden())
        showScoreLabels();
    command5->hide();
    Label3->hide();
    setAnswerAreasEnabled(false);
    const QuestionRecord question = readQuestion(session.cheminTest, n);
    std::optional<bool> right;
    if (question.nature == 1)
        right = singleChoiceRight(question, selectedOption());
    else if (question.nature == 2)
        right = multipleChoiceRight(question, tickedCode());
    else if (question.nature == 3)
        right = castexte() == 1;
    if (right) {
        if (*right) {
            session.etats[n] = 1;
            repbon();
        } else {
            context_.platform.messages.beep();
            session.etats[n] = 2;
            repbad();
        }
    }
    if (answeredCount() < session.nbQuestions) {
        prochainval();
        return;
    }
    context_.platform.messages.beep();
    const int score = scorePercent(rightCount(), session.nbQuestions);
    Picture1->update();
    context_.platform.messages.show(QStringLiteral("Test terminé"),
                                    numberWithSpace(score) +
                                        QStringLiteral(" % de bonnes réponses."),
                                    Messages::Buttons::Ok, Messages::Icon::Information);
}

void Exo::repbon() {
    affsmile();
    Picture1->update();
    Cjuste window(*Image4, this);
    context_.platform.modalWindows.run(window);
    Picture1->setFocus();
}

void Exo::repbad() {
    affsmile();
    Picture1->update();
    reponseur();
    TestSession& session = context_.session;
    const QuestionRecord question = readQuestion(session.cheminTest, session.questionCourante);
    etatact();
    Cfaux window(*Image4, session.voirCours, this);
    window.Command9->setText(QStringLiteral("Voir le cours: ") + question.renvoi);
    context_.platform.modalWindows.run(window);
    Picture1->setFocus();
    if (session.voirCours == 1) {
        context_.multim.btexo->show();
        context_.multim.Label16->show();
        context_.navigation.cleCourante = question.renvoi;
        context_.navigation.navigationParCle = -1;
        accept();
    } else {
        context_.navigation.navigationParCle = 0;
    }
}

void Exo::afficherScore() {
    const int answered = answeredCount();
    if (answered == 0)
        return;
    const int right = rightCount();
    const QString text = numberWithSpace(right) + QStringLiteral(" /") + numberWithSpace(answered) +
                         QStringLiteral(" soit") + numberWithSpace(scorePercent(right, answered)) +
                         QStringLiteral(" % de bonnes réponses.");
    const QString title = answered < context_.session.nbQuestions
                              ? QStringLiteral("Actuellement...")
                              : QStringLiteral("Test terminé");
    context_.platform.messages.show(title, text, Messages::Buttons::Ok,
                                    Messages::Icon::Information);
}

// Escape and the title bar's close box close the test as its close image does.
void Exo::reject() {
    fermerTest();
}

void Exo::fermerTest() {
    context_.navigation.navigationParCle = 0;
    if (answeredCount() < context_.session.nbQuestions &&
        context_.platform.messages.show(
            QStringLiteral("Fermer"), QStringLiteral("Voulez-vous vraiment abandonner le test?"),
            Messages::Buttons::YesNo, Messages::Icon::Question) != Messages::Answer::Yes)
        return;
    context_.session.testEnCours = false;
    context_.multim.btexo->hide();
    context_.multim.Label16->hide();
    QDialog::reject();
}
