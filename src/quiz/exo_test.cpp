#include "quiz/exotestfixture.h"

#include <QFile>

namespace {

TEST_F(ExoTest, AWholeTestInAnyOrderWithAVisitToTheCourse) {
    writeFixtureTest(fake.appDir.path());
    fake.modalWindows.scriptNext([&](QDialog& dialog) {
        Exo& exo = exoOf(dialog);
        EXPECT_EQ(exo.objectName(), "exo");
        EXPECT_EQ(exo.Label2->text(), "Les atomes");
        EXPECT_EQ(exo.noa->text(), "Question 1 / 3 :");
        EXPECT_TRUE(exo.Command3->isHidden());
        EXPECT_EQ(exo.Rtfexo->plainText(), "Quelle particule est neutre ?");
        EXPECT_EQ(exo.Option1(2)->text(), "électron");
        EXPECT_TRUE(exo.Option1(3)->isHidden());
        EXPECT_TRUE(exo.command6->isHidden());

        release(*exo.command4);
        release(*exo.command4);
        EXPECT_EQ(exo.noa->text(), "Question 3 / 3 :");
        EXPECT_TRUE(exo.command4->isHidden());
        EXPECT_FALSE(exo.Frame3->isHidden());
        EXPECT_TRUE(exo.Frame1->isHidden());
        type(*exo.Text1, "les électrons.");
        EXPECT_EQ(exo.Text1->text(), "les électrons,");
        scriptCjuste(fake);
        pressEnter(*exo.Text1);
        EXPECT_EQ(session.etats[3], 1);
        EXPECT_FALSE(exo.command6->isHidden());
        EXPECT_FALSE(exo.Image4->isHidden()) << "the face comes back when Cjuste closes";

        // Back to the first unanswered question, searched again from 1.
        EXPECT_EQ(session.questionCourante, 1);
        exo.Option1(0)->setChecked(true);
        fake.modalWindows.scriptNext([&](QDialog& feedback) {
            auto& cfaux = static_cast<Cfaux&>(feedback);
            EXPECT_TRUE(exo.Image4->isHidden());
            EXPECT_EQ(cfaux.Command9->text(), "Voir le cours: CH01P02");
            cfaux.Command9->click();
            return cfaux.result();
        });
        Q_EMIT exo.command5->clicked();
        EXPECT_EQ(session.etats[1], 2);
        EXPECT_FALSE(exo.isVisible()) << "seeing the course closes the test window";
        return exo.result();
    });
    testcours_Click(0, context);

    EXPECT_EQ(fake.messages.beeps, 1);
    EXPECT_EQ(pagesShown, QStringList{"CH01P02"});
    EXPECT_TRUE(session.testEnCours);
    EXPECT_FALSE(multim.btexo->isHidden());
    EXPECT_FALSE(multim.Label16->isHidden());
    EXPECT_EQ(session.questionCourante, 2) << "the next unanswered question waits";

    navigation.navigationParCle = 0;
    fake.modalWindows.scriptNext([&](QDialog& dialog) {
        Exo& exo = exoOf(dialog);
        EXPECT_EQ(exo.noa->text(), "Question 2 / 3 :");
        EXPECT_FALSE(exo.command6->isHidden()) << "answers exist";
        exo.Check1(0)->setChecked(true);
        exo.Check1(2)->setChecked(true);
        scriptCjuste(fake);
        Q_EMIT exo.Label3->clicked();
        EXPECT_FALSE(fake.messages.shown.isEmpty());
        EXPECT_EQ(fake.messages.shown.last().title, "Test terminé");
        EXPECT_EQ(fake.messages.shown.last().text, " 67 % de bonnes réponses.");

        // Revisiting the wrong answer shows its correction.
        Q_EMIT exo.Picture1->released(0);
        EXPECT_EQ(exo.noa->text(), "Question 1 / 3 :");
        EXPECT_TRUE(exo.Option1(0)->isChecked());
        EXPECT_FALSE(exo.nonnon->isHidden());
        EXPECT_TRUE(exo.command5->isHidden());
        EXPECT_TRUE(exo.Frame1->isLocked());
        EXPECT_TRUE(exo.Option1(1)->font().bold());

        Q_EMIT exo.command6->clicked();
        EXPECT_EQ(fake.messages.shown.last().text, " 2 / 3 soit 67 % de bonnes réponses.");
        EXPECT_EQ(fake.messages.shown.last().title, "Test terminé");
        Q_EMIT exo.Image2->clicked(); // answered through: no question asked
        EXPECT_FALSE(exo.isVisible());
        return exo.result();
    });
    btexo_Click(context);

    EXPECT_FALSE(session.testEnCours);
    EXPECT_TRUE(multim.btexo->isHidden());
    EXPECT_EQ(navigation.navigationParCle, 0);
    EXPECT_EQ(pagesShown.size(), 1);
    EXPECT_EQ(fake.modalWindows.shown, (QList<QString>{"exo", "Cjuste", "Cfaux", "exo", "Cjuste"}));
}

TEST_F(ExoTest, StartingAnotherTestResumesTheOneInProgress) {
    writeFixtureTest(fake.appDir.path());
    session.testEnCours = true;
    session.numeroTest = 0;
    session.questionCourante = 3;
    session.etats[3] = 1;
    multim.btexo->show();
    fake.modalWindows.scriptNext([&](QDialog& dialog) {
        EXPECT_EQ(exoOf(dialog).noa->text(), "Question 1 / 3 :") << "an answered question moves on";
        return 0;
    });
    testcours_Click(4, context);
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(fake.messages.shown[0].title, "Fermer le test avant d'en ouvrir un nouveau");
    EXPECT_EQ(fake.messages.shown[0].text,
              "Vous allez retrouver le test qui est en cours d'exécution.");
    EXPECT_EQ(session.numeroTest, 0);
    EXPECT_EQ(session.etats[3], 1) << "the session is kept";
    EXPECT_TRUE(multim.btexo->isHidden());
}

TEST_F(ExoTest, AnUnusableTestNeverOpens) {
    const struct {
        const char* what;
        bool writeTest;
        QString count;
        bool removeDocument;
        QString title;
    } cases[] = {
        {"missing test file", false, "3", false, "Choix impossible"},
        {"missing question document", true, "3", true, "Edition impossible"},
        {"no question", true, "0", false, "Choix impossible"},
        {"negative count", true, "-4", false, "Choix impossible"},
    };
    for (const auto& c : cases) {
        QFile::remove(fake.appPath("TC01.GLT"));
        if (c.writeTest)
            writeFixtureTest(fake.appDir.path(), c.count);
        if (c.removeDocument)
            QFile::remove(fake.appPath("QUESTIONS.RTF"));
        fake.messages.shown.clear();
        testcours_Click(0, context);
        EXPECT_FALSE(session.testEnCours) << c.what;
        ASSERT_EQ(fake.messages.shown.size(), 1) << c.what;
        EXPECT_EQ(fake.messages.shown[0].title, c.title) << c.what;
        EXPECT_EQ(fake.messages.shown[0].icon, Messages::Icon::Critical) << c.what;
    }
    EXPECT_EQ(fake.messages.shown.size(), 1);
    EXPECT_TRUE(fake.modalWindows.shown.isEmpty());
}

TEST_F(ExoTest, MissingTestFileNamesItsPath) {
    testcours_Click(0, context);
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(fake.messages.shown[0].text, "Fichier " + fake.appPath("TC01.GLT") + " introuvable.");
}

TEST_F(ExoTest, SavedAnswersComeBackWhenTheQuestionIsRevisited) {
    writeFixtureTest(fake.appDir.path());
    fake.modalWindows.scriptNext([&](QDialog& dialog) {
        Exo& exo = exoOf(dialog);
        exo.Option1(2)->setChecked(true);
        release(*exo.command4);
        EXPECT_EQ(session.reponses[1], " 2");
        exo.Check1(0)->setChecked(true);
        exo.Check1(2)->setChecked(true);
        release(*exo.command4);
        EXPECT_EQ(session.reponses[2], " 101");
        type(*exo.Text1, "3.5");
        release(*exo.Command3);
        EXPECT_EQ(session.reponses[3], "3,5");
        EXPECT_TRUE(exo.Check1(0)->isChecked());
        EXPECT_FALSE(exo.Check1(1)->isChecked());
        EXPECT_TRUE(exo.Check1(2)->isChecked());
        release(*exo.Command3);
        EXPECT_EQ(checkedOption(exo), -1) << "an unvalidated single choice is not restored";
        release(*exo.command4);
        release(*exo.command4);
        EXPECT_EQ(exo.Text1->text(), "3,5");
        // Releases left of or above an arrow are ignored.
        Q_EMIT exo.Command3->mouseReleased(Qt::LeftButton, QPoint(-1, 2));
        EXPECT_EQ(session.questionCourante, 3);
        return 0;
    });
    testcours_Click(0, context);
}

TEST_F(ExoTest, ASingleChoiceValidatedWithNothingSelectedComesBackEmpty) {
    writeFixtureTest(fake.appDir.path());
    fake.modalWindows.scriptNext([&](QDialog& dialog) {
        Exo& exo = exoOf(dialog);
        fake.modalWindows.scriptNext([](QDialog& feedback) {
            feedback.close(); // closed by the window system: the test goes on
            return 0;
        });
        session.voirCours = 1;
        Q_EMIT exo.command5->clicked();
        EXPECT_EQ(session.etats[1], 2);
        EXPECT_EQ(session.reponses[1], "-1");
        EXPECT_EQ(session.voirCours, 0);
        EXPECT_TRUE(exo.isVisible());
        EXPECT_EQ(session.questionCourante, 2);
        release(*exo.Command3);
        EXPECT_EQ(checkedOption(exo), -1);
        // A damaged saved index names no option and is ignored.
        session.reponses[1] = " 7";
        exo.majec();
        EXPECT_EQ(checkedOption(exo), -1);
        return 0;
    });
    testcours_Click(0, context);
}

TEST_F(ExoTest, ADamagedQuestionNeverBreaksTheWindow) {
    writeFixtureTest(fake.appDir.path());
    const QString test = fake.appPath("TC01.GLT");
    // Nine choices, an expected index beyond them, and a kind no test uses.
    for (const auto& [record, text] : std::map<int, QString>{{6, "9"}, {12, "7"}, {15, "4"}})
        ASSERT_TRUE(writeRecord(test, record, text));
    fake.modalWindows.scriptNext([&](QDialog& dialog) {
        Exo& exo = exoOf(dialog);
        for (int i = 0; i < 5; ++i)
            EXPECT_FALSE(exo.Option1(i)->isHidden()) << "five choices at most: " << i;
        exo.Option1(4)->setChecked(true);
        fake.modalWindows.scriptNext(
            [](QDialog& feedback) { return static_cast<Cfaux&>(feedback).result(); });
        Q_EMIT exo.command5->clicked();
        EXPECT_EQ(session.etats[1], 2) << "no shown choice is the expected one";
        EXPECT_EQ(session.questionCourante, 2);
        Q_EMIT exo.command5->clicked();
        EXPECT_EQ(session.etats[2], 0) << "an unknown kind is not judged";
        return 0;
    });
    testcours_Click(0, context);
}

TEST_F(ExoTest, ClosingWithUnansweredQuestionsAsksFirst) {
    writeFixtureTest(fake.appDir.path());
    fake.modalWindows.scriptNext([&](QDialog& dialog) {
        Exo& exo = exoOf(dialog);
        fake.messages.answerNext(Messages::Answer::No);
        Q_EMIT exo.Image2->clicked();
        EXPECT_TRUE(exo.isVisible());
        EXPECT_TRUE(session.testEnCours);
        fake.messages.answerNext(Messages::Answer::Yes);
        Q_EMIT exo.Image2->clicked();
        EXPECT_FALSE(exo.isVisible());
        return 0;
    });
    testcours_Click(0, context);
    ASSERT_EQ(fake.messages.shown.size(), 2);
    EXPECT_EQ(fake.messages.shown[0].title, "Fermer");
    EXPECT_EQ(fake.messages.shown[0].text, "Voulez-vous vraiment abandonner le test?");
    EXPECT_FALSE(session.testEnCours);
}

TEST_F(ExoTest, CommandsCarryTheirTooltips) {
    writeFixtureTest(fake.appDir.path());
    Exo exo(context);
    const std::pair<QWidget*, const char*> tooltips[] = {
        {exo.Command3, "Question précédente"}, {exo.command4, "Question suivante"},
        {exo.command5, "Valider la réponse"},  {exo.Image2, "Fermer le test"},
        {exo.Command7, "Machine à calculer"},  {exo.command6, "Score"},
    };
    for (const auto& [control, tooltip] : tooltips)
        EXPECT_EQ(control->toolTip(), QString::fromUtf8(tooltip));
    for (QWidget* command : {exo.Command3, exo.command4, exo.command5, exo.Image2, exo.Command7})
        EXPECT_EQ(command->cursor().shape(), Qt::BitmapCursor)
            << command->objectName().toStdString();
    EXPECT_EQ(exo.Label3->text(), "Valider la réponse");
    EXPECT_EQ(exo.Label1->text(), "Votre réponse:");
    EXPECT_EQ(exo.Picture1->geometry(), QRect(0, 41, 130, 502));

    fake.modalWindows.scriptNext([](QDialog&) { return 0; });
    Q_EMIT exo.Command7->clicked();
    EXPECT_EQ(fake.modalWindows.shown, QList<QString>{"Machine"});
}

} // namespace
