#include "quiz/exotestfixture.h"

#include <QApplication>
#include <QImage>

namespace {

void writePicture(const QString& path, QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    ASSERT_TRUE(picture.save(path));
}

// A key typed in the window goes to the control that has the focus, if any.
void pressEscape(Exo& exo) {
    QWidget* focused = exo.focusWidget();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(focused ? focused : &exo, &escape);
}

TEST_F(ExoTest, EscapeAndTheCloseBoxCloseTheTestAsItsCloseImageDoes) {
    writeFixtureTest(fake.appDir.path());
    fake.modalWindows.scriptNext([&](QDialog& dialog) {
        Exo& exo = exoOf(dialog);
        QApplication::setActiveWindow(&exo);
        // On an answered typed question, whose answer box had the focus.
        release(*exo.command4);
        release(*exo.command4);
        type(*exo.Text1, "un proton");
        fake.modalWindows.scriptNext(
            [](QDialog& feedback) { return static_cast<Cfaux&>(feedback).result(); });
        pressEnter(*exo.Text1);
        Q_EMIT exo.Picture1->released(exo.Picture1->height() - 1);
        EXPECT_EQ(exo.noa->text(), "Question 3 / 3 :");

        fake.messages.answerNext(Messages::Answer::No);
        pressEscape(exo);
        EXPECT_EQ(fake.messages.shown.size(), 1);
        EXPECT_TRUE(exo.isVisible()) << "the pupil chose to stay";
        EXPECT_TRUE(session.testEnCours);
        fake.messages.answerNext(Messages::Answer::Yes);
        exo.close(); // the title bar's close box
        EXPECT_FALSE(exo.isVisible());
        return exo.result();
    });
    multim.btexo->show();
    testcours_Click(0, context);
    ASSERT_EQ(fake.messages.shown.size(), 2);
    for (const auto& message : fake.messages.shown) {
        EXPECT_EQ(message.title, "Fermer");
        EXPECT_EQ(message.text, "Voulez-vous vraiment abandonner le test?");
    }
    EXPECT_FALSE(session.testEnCours);
    EXPECT_TRUE(multim.btexo->isHidden());
    EXPECT_TRUE(multim.Label16->isHidden());
    EXPECT_TRUE(pagesShown.isEmpty());
}

TEST_F(ExoTest, AQuestionPictureKeepsItsOwnSizeWithinTheWindow) {
    writeFixtureTest(fake.appDir.path());
    const QString test = fake.appPath("TC01.GLT");
    writePicture(fake.appPath("ATOME.PNG"), {200, 150});
    writePicture(fake.appPath("LARGE.PNG"), {600, 100});
    ASSERT_TRUE(writeRecord(test, 14, "ATOME.PNG"));
    ASSERT_TRUE(writeRecord(test, 24, "ABSENT.PNG"));
    ASSERT_TRUE(writeRecord(test, 34, "LARGE.PNG"));
    fake.modalWindows.scriptNext([&](QDialog& dialog) {
        Exo& exo = exoOf(dialog);
        EXPECT_FALSE(exo.Image1->isHidden());
        EXPECT_EQ(exo.Image1->geometry(),
                  QRect(exo.Rtfexo->geometry().right() + 1 + 20, 128, 200, 150));
        EXPECT_EQ(exo.Image1->pixmap().size(), QSize(200, 150));

        release(*exo.command4);
        EXPECT_TRUE(exo.Image1->pixmap().isNull()) << "no picture rather than the previous one";

        release(*exo.command4);
        const int room = exo.width() - exo.Image1->x();
        EXPECT_EQ(exo.Image1->size(), QSize(room, qRound(100.0 * room / 600)));
        EXPECT_EQ(exo.Image1->pixmap().size(), exo.Image1->size());
        return 0;
    });
    testcours_Click(0, context);
}

TEST_F(ExoTest, ImageControlsTakeTheSizeOfTheirPictures) {
    fake.screen.twipsX = fake.screen.twipsY = 12; // a 120-dpi desktop
    writeFixtureTest(fake.appDir.path());
    Exo exo(context);
    for (FormLabel* image : {exo.Command3, exo.command4, exo.command5, exo.Image2, exo.Command7,
                             exo.Image4, exo.nonnon})
        EXPECT_EQ(image->size(), image->pixmap().size()) << image->objectName().toStdString();
    EXPECT_EQ(exo.Image2->pos(), QPoint(930, 5));
}

} // namespace

namespace {

void pressKey(QWidget& control, int code) {
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier);
    QCoreApplication::sendEvent(&control, &press);
}

TEST_F(ExoTest, TheArrowsAndTheValidationAnswerEnterAndSpaceAsTheirClicks) {
    writeFixtureTest(fake.appDir.path());
    fake.modalWindows.scriptNext([&](QDialog& dialog) {
        Exo& exo = exoOf(dialog);
        for (FormLabel* command : {exo.Command3, exo.command4, exo.command5, exo.Label3,
                                   exo.Command7, exo.Image2, exo.command6})
            EXPECT_EQ(command->focusPolicy(), Qt::TabFocus) << command->objectName().toStdString();
        pressKey(*exo.command4, Qt::Key_Return);
        EXPECT_EQ(exo.noa->text(), "Question 2 / 3 :");
        pressKey(*exo.Command3, Qt::Key_Space);
        EXPECT_EQ(exo.noa->text(), "Question 1 / 3 :");
        exo.Option1(1)->setChecked(true);
        scriptCjuste(fake);
        pressKey(*exo.Label3, Qt::Key_Return);
        EXPECT_EQ(session.etats[1], 1);
        exo.Check1(0)->setChecked(true);
        exo.Check1(2)->setChecked(true);
        scriptCjuste(fake);
        pressKey(*exo.command5, Qt::Key_Space);
        EXPECT_EQ(session.etats[2], 1);
        fake.messages.answerNext(Messages::Answer::Yes);
        pressKey(*exo.Image2, Qt::Key_Return);
        EXPECT_FALSE(exo.isVisible());
        return exo.result();
    });
    testcours_Click(0, context);
    EXPECT_EQ(fake.modalWindows.shown, (QList<QString>{"exo", "Cjuste", "Cjuste"}));
}

} // namespace
