// The test window's answer areas: which one a question shows, saving and restoring
// the answer, locking it once answered, and the correction.

#include "common/numerictext.h"
#include "platform/forms/formlabel.h"
#include "platform/platform.h"
#include "platform/screen.h"
#include "quiz/answerarea.h"
#include "quiz/answercode.h"
#include "quiz/exo.h"
#include "quiz/testfile.h"
#include "quiz/testsession.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <array>

namespace {

const QColor green(0, 128, 0);
const QColor grey(128, 128, 128);

void setForeground(QWidget& control, const QColor& colour, bool bold) {
    QPalette palette = control.palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    control.setPalette(palette);
    QFont font = control.font();
    font.setBold(bold);
    control.setFont(font);
}

bool isGrey(const QWidget& control) {
    return control.palette().color(QPalette::WindowText) == grey;
}

AnswerBoxes shownBoxes(const Exo& exo) {
    AnswerBoxes shown{};
    for (int i = 0; i < answerBoxCount; ++i)
        shown[size_t(i)] = !exo.Check1(i)->isHidden();
    return shown;
}

} // namespace

void Exo::showAnswerArea(const QuestionRecord& question) {
    for (int i = 0; i < 5; ++i) {
        setForeground(*Option1(i), Qt::black, false);
        setForeground(*Check1(i), Qt::black, false);
        faute(i)->hide();
    }
    if (question.nature == 1 || question.nature == 2) {
        Frame1->setVisible(question.nature == 1);
        Frame2->setVisible(question.nature == 2);
        Frame3->hide();
        for (int i = 0; i < 5; ++i) {
            QAbstractButton* choice =
                question.nature == 1 ? static_cast<QAbstractButton*>(Option1(i)) : Check1(i);
            choice->setText(question.choix[size_t(i)]);
            choice->setVisible(i < question.nbChoix);
        }
    } else if (question.nature == 3) {
        Frame1->hide();
        Frame2->hide();
        Frame3->show();
        Text1->setEnabled(true);
        Text1->setFocus();
    }
}

void Exo::setAnswerAreasEnabled(bool enabled) {
    Frame1->setLocked(!enabled);
    Frame2->setLocked(!enabled);
    Frame3->setLocked(!enabled);
}

int Exo::selectedOption() const {
    int selected = -1;
    for (int i = 0; i < 5; ++i)
        if (Option1(i)->isChecked())
            selected = i;
    return selected;
}

int Exo::tickedCode() const {
    AnswerBoxes ticked = shownBoxes(*this);
    for (int i = 0; i < answerBoxCount; ++i)
        ticked[size_t(i)] = ticked[size_t(i)] && Check1(i)->isChecked();
    return answerCode(ticked);
}

void Exo::etatact() {
    TestSession& session = context_.session;
    const int n = session.questionCourante;
    if (n < 1 || n > 100)
        return;
    if (!Frame1->isHidden()) {
        const int selected = selectedOption();
        session.reponses[n] =
            selected < 0 ? QStringLiteral("-1") : u' ' + QString::number(selected);
    } else if (!Frame2->isHidden()) {
        session.reponses[n] = u' ' + QString::number(tickedCode());
    } else if (!Frame3->isHidden()) {
        session.reponses[n] = Text1->text();
        if (!Frame3->isLocked())
            Text1->setFocus();
    }
}

void Exo::majec() {
    TestSession& session = context_.session;
    const int n = session.questionCourante;
    if (n < 1 || n > 100)
        return;
    if (!Frame1->isHidden()) {
        // An unvalidated choice is not restored; neither is an index naming no option.
        const int selected = session.etats[n] != 0 ? numericTextToInt16(session.reponses[n]) : -1;
        for (int i = 0; i < 5; ++i)
            Option1(i)->setAutoExclusive(false);
        for (int i = 0; i < 5; ++i)
            Option1(i)->setChecked(i == selected);
        for (int i = 0; i < 5; ++i)
            Option1(i)->setAutoExclusive(true);
    } else if (!Frame2->isHidden()) {
        const AnswerBoxes shown = shownBoxes(*this);
        const AnswerBoxes ticked = tickedBoxes(numericTextToInt16(session.reponses[n]), shown);
        for (int i = 0; i < answerBoxCount; ++i)
            if (shown[size_t(i)])
                Check1(i)->setChecked(ticked[size_t(i)]);
    } else if (!Frame3->isHidden()) {
        Text1->setText(session.reponses[n]);
        if (!Frame3->isLocked())
            Text1->setFocus();
    }
}

void Exo::reponseur() {
    const QuestionRecord question =
        readQuestion(context_.session.cheminTest, context_.session.questionCourante);
    if (question.nature == 1) {
        const int expected = question.attendu;
        for (int i = 0; i < 5; ++i) {
            QRadioButton& option = *Option1(i);
            if (i == expected) {
                setForeground(option, green, true);
                continue;
            }
            if (option.isHidden())
                continue;
            setForeground(option, grey, false);
            if (option.isChecked()) {
                // 15 twips below the option's top, in the frame.
                nonnon->move(nonnon->x(), Frame1->y() + option.y() +
                                              int(15 / context_.platform.screen.twipsPerPixelY()));
                nonnon->show();
                nonnon->raise();
            }
        }
    } else if (question.nature == 2) {
        const AnswerBoxes expected = tickedBoxes(question.attendu, shownBoxes(*this));
        for (int i = 4; i >= 0; --i) {
            QCheckBox& box = *Check1(i);
            if (box.isHidden())
                continue;
            if (expected[size_t(i)])
                setForeground(box, green, true);
            else
                setForeground(box, grey, false);
            if (!box.isChecked() && !isGrey(box)) {
                faute(i)->setPicture(Image5->pixmap());
                faute(i)->show();
                faute(i)->raise();
            } else if (box.isChecked() && isGrey(box)) {
                faute(i)->setPicture(Image3->pixmap());
                faute(i)->show();
                faute(i)->raise();
            }
        }
    } else if (question.nature == 3) {
        Text3->setPlainText(question.corrige);
        Text3->show();
    }
}
