#include "quiz/exotestfixture.h"

#include <QFile>

namespace {

// Answers the question shown with the wrong-answer window's choice.
void answerWrongly(Exo& exo, FakePlatform& fake, bool seeTheCourse) {
    fake.modalWindows.scriptNext([seeTheCourse](QDialog& feedback) {
        auto& cfaux = static_cast<Cfaux&>(feedback);
        (seeTheCourse ? cfaux.Command9 : cfaux.Command1)->click();
        return cfaux.result();
    });
    Q_EMIT exo.command5->clicked();
}

int visibleAreas(const Exo& exo) {
    int visible = 0;
    for (const AnswerArea* area : {exo.Frame1, exo.Frame2, exo.Frame3})
        visible += area->isHidden() ? 0 : 1;
    return visible;
}

TEST_F(ExoTest, ResumingAfterTheCourseKeepsEveryAnswerAndItsCorrection) {
    writeFixtureTest(fake.appDir.path());
    fake.modalWindows.scriptNext([&](QDialog& dialog) {
        Exo& exo = exoOf(dialog);
        exo.Option1(0)->setChecked(true);
        answerWrongly(exo, fake, false);
        exo.Check1(0)->setChecked(true);
        exo.Check1(1)->setChecked(true);
        answerWrongly(exo, fake, false);
        type(*exo.Text1, "un proton");
        answerWrongly(exo, fake, true);
        return exo.result();
    });
    testcours_Click(0, context);
    ASSERT_EQ(pagesShown, QStringList{"CH01P04"});
    ASSERT_EQ(session.questionCourante, 3) << "nothing left unanswered: the test stays there";

    fake.modalWindows.scriptNext([&](QDialog& dialog) {
        Exo& exo = exoOf(dialog);
        EXPECT_EQ(exo.noa->text(), "Question 3 / 3 :");
        EXPECT_EQ(visibleAreas(exo), 1);
        EXPECT_FALSE(exo.Frame3->isHidden());
        EXPECT_EQ(exo.Text1->text(), "un proton");
        EXPECT_FALSE(exo.Text3->isHidden());
        EXPECT_EQ(exo.Text3->toPlainText(), "L'électron");

        release(*exo.Command3);
        EXPECT_EQ(visibleAreas(exo), 1);
        EXPECT_FALSE(exo.Frame2->isHidden());
        EXPECT_TRUE(exo.Check1(0)->isChecked());
        EXPECT_TRUE(exo.Check1(1)->isChecked());
        EXPECT_FALSE(exo.Check1(2)->isChecked());
        EXPECT_TRUE(exo.faute(0)->isHidden()) << "a right tick";
        EXPECT_FALSE(exo.faute(1)->isHidden()) << "a wrong tick";
        EXPECT_EQ(exo.faute(1)->pixmap().toImage(), exo.Image3->pixmap().toImage());
        EXPECT_FALSE(exo.faute(2)->isHidden()) << "a right box left unticked";
        EXPECT_EQ(exo.faute(2)->pixmap().toImage(), exo.Image5->pixmap().toImage());

        release(*exo.Command3);
        EXPECT_EQ(visibleAreas(exo), 1);
        EXPECT_FALSE(exo.Frame1->isHidden());
        EXPECT_EQ(checkedOption(exo), 0);
        EXPECT_FALSE(exo.nonnon->isHidden());
        EXPECT_TRUE(exo.Option1(1)->font().bold());
        return 0;
    });
    btexo_Click(context);
    EXPECT_EQ(session.reponses[1], " 0");
    EXPECT_EQ(session.reponses[2], " 11");
    EXPECT_EQ(session.reponses[3], "un proton");
}

TEST_F(ExoTest, NoAnswerAreaShowsBeforeAQuestionIsDisplayed) {
    writeFixtureTest(fake.appDir.path());
    {
        Exo exo(context);
        ASSERT_TRUE(exo.charger());
        EXPECT_EQ(visibleAreas(exo), 0);
    }
    // The first statement has lost its markers: its question shows no area at all.
    QFile document(fake.appPath("QUESTIONS.RTF"));
    ASSERT_TRUE(document.open(QIODevice::WriteOnly));
    document.write("{\\rtf1\\ansi Quelle particule est neutre ?\\par "
                   "#RP-02\\par Lesquelles sont charg\\'e9es ?#-o-O-o-#}");
    document.close();
    fake.modalWindows.scriptNext([&](QDialog& dialog) {
        Exo& exo = exoOf(dialog);
        EXPECT_EQ(exo.noa->text(), "Question 1 / 3 :");
        EXPECT_EQ(visibleAreas(exo), 0);
        release(*exo.command4);
        EXPECT_EQ(visibleAreas(exo), 1);
        EXPECT_FALSE(exo.Frame2->isHidden());
        return 0;
    });
    testcours_Click(0, context);
}

} // namespace
