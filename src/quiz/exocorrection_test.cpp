#include "quiz/exotestfixture.h"

#include <QImage>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

const QColor green(0, 128, 0);
const QColor grey(128, 128, 128);

// The darkest colour the pupil sees in a part of a control: the core of its text.
QColor ink(QWidget& control, QRect area) {
    const QImage image = control.grab().toImage();
    QColor darkest = Qt::white;
    for (int y = area.top(); y <= area.bottom() && y < image.height(); ++y)
        for (int x = area.left(); x <= area.right() && x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() + c.green() + c.blue() < darkest.red() + darkest.green() + darkest.blue())
                darkest = c;
        }
    return darkest;
}

// The caption of an option or a box, beside its indicator.
QColor captionInk(QAbstractButton& choice) {
    QStyleOptionButton option;
    option.initFrom(&choice);
    option.text = choice.text();
    const bool isOption = qobject_cast<QRadioButton*>(&choice) != nullptr;
    const QRect caption = choice.style()->subElementRect(
        isOption ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, &choice);
    return ink(choice, caption);
}

// Antialiased text of a small font may leave no pixel of its exact colour.
::testing::AssertionResult near(const QColor& seen, const QColor& expected) {
    const int distance = std::abs(seen.red() - expected.red()) +
                         std::abs(seen.green() - expected.green()) +
                         std::abs(seen.blue() - expected.blue());
    if (distance <= 40)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "painted " << seen.name().toStdString() << ", not " << expected.name().toStdString();
}

void continueTheTest(FakePlatform& fake) {
    fake.modalWindows.scriptNext([](QDialog& feedback) {
        auto& cfaux = static_cast<Cfaux&>(feedback);
        cfaux.Command1->click();
        return cfaux.result();
    });
}

// A click on the control's box, at its left.
void click(QWidget& control) {
    const QPointF inside(6, control.height() / 2.0);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, inside, control.mapToGlobal(inside), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&control, &event);
    }
}

void pressSpace(QWidget& control) {
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QCoreApplication::sendEvent(&control, &event);
    }
}

TEST_F(ExoTest, AWrongAnswersCorrectionIsPaintedInItsOwnColours) {
    writeFixtureTest(fake.appDir.path());
    fake.modalWindows.scriptNext([&](QDialog& dialog) {
        Exo& exo = exoOf(dialog);
        click(*exo.Option1(0));
        EXPECT_EQ(checkedOption(exo), 0);
        continueTheTest(fake);
        Q_EMIT exo.command5->clicked();
        click(*exo.Check1(1));
        EXPECT_TRUE(exo.Check1(1)->isChecked());
        continueTheTest(fake);
        Q_EMIT exo.command5->clicked();
        type(*exo.Text1, "un proton");
        continueTheTest(fake);
        Q_EMIT exo.command5->clicked();

        // Single choice: the right option green and bold, the others grey.
        Q_EMIT exo.Picture1->released(0);
        EXPECT_TRUE(near(captionInk(*exo.Option1(1)), green));
        EXPECT_TRUE(exo.Option1(1)->font().bold());
        for (const int i : {0, 2}) {
            EXPECT_TRUE(near(captionInk(*exo.Option1(i)), grey)) << i;
            EXPECT_FALSE(exo.Option1(i)->font().bold()) << i;
        }
        // Multiple choice: the right boxes green and bold, the wrong one grey.
        release(*exo.command4);
        for (const int i : {0, 2}) {
            EXPECT_TRUE(near(captionInk(*exo.Check1(i)), green)) << i;
            EXPECT_TRUE(exo.Check1(i)->font().bold()) << i;
        }
        EXPECT_TRUE(near(captionInk(*exo.Check1(1)), grey));
        // Typed answer: the model answer in the normal text colour.
        release(*exo.command4);
        QWidget& answer = *exo.Text3->viewport();
        EXPECT_TRUE(near(ink(answer, answer.rect()),
                         exo.Text3->palette().color(QPalette::Active, QPalette::Text)));
        return 0;
    });
    testcours_Click(0, context);
}

TEST_F(ExoTest, AnAnsweredQuestionTakesNoMoreInput) {
    writeFixtureTest(fake.appDir.path());
    session.testEnCours = true;
    session.questionCourante = 1;
    session.nbQuestions = 3;
    session.etats[1] = 2;
    session.reponses[1] = QStringLiteral(" 0");
    session.etats[2] = 2;
    session.reponses[2] = QStringLiteral(" 10");
    session.etats[3] = 2;
    session.reponses[3] = QStringLiteral("un proton");
    fake.modalWindows.scriptNext([&](QDialog& dialog) {
        Exo& exo = exoOf(dialog);
        Q_EMIT exo.Picture1->released(0);
        EXPECT_TRUE(exo.Frame1->isLocked());
        click(*exo.Option1(2));
        pressSpace(*exo.Option1(2));
        EXPECT_EQ(checkedOption(exo), 0);
        release(*exo.command4);
        click(*exo.Check1(0));
        pressSpace(*exo.Check1(1));
        EXPECT_FALSE(exo.Check1(0)->isChecked());
        EXPECT_TRUE(exo.Check1(1)->isChecked());
        release(*exo.command4);
        type(*exo.Text1, "x");
        EXPECT_EQ(exo.Text1->text(), "un proton");
        return 0;
    });
    btexo_Click(context);
    EXPECT_EQ(session.reponses[1], " 0");
    EXPECT_EQ(session.reponses[2], " 10");
}

} // namespace
