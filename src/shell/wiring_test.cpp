#include "navigator/multim.h"
#include "navigator/navigation.h"
#include "platform/forms/formlabel.h"
#include "platform/forms/picturebox.h"
#include "platform/richtext/richtextbox.h"
#include "platform/testing/fakeplatform.h"
#include "quiz/exo.h"
#include "quiz/feedbackwindows.h"
#include "shell/applicationstate.h"
#include "shell/wiring.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

// The fixture course in the fake application directory.
void copierFixture(FakePlatform& fake) {
    const QDir fixture(QStringLiteral(FIXTURE_APP));
    for (const QString& name : fixture.entryList(QDir::Files))
        QFile::copy(fixture.filePath(name), fake.appPath(name));
}

TEST(Wiring, CalculatorCommandOpensTheCalculatorOverTheMainWindow) {
    FakePlatform fake;
    Platform platform = fake.platform();
    ApplicationState state;
    Multim multim(15, 15);
    multim.move(100, 50);
    connecterCommandes(multim, platform, state);

    QPoint opened;
    fake.modalWindows.scriptNext([&](QDialog& machine) {
        opened = machine.pos();
        return int(QDialog::Rejected);
    });
    multim.Command3->click();

    EXPECT_EQ(fake.modalWindows.shown, QList<QString>{QStringLiteral("Machine")});
    EXPECT_EQ(opened, multim.pos() + QPoint(240 / 15, 1800 / 15));
}

TEST(Wiring, TestButtonsAndTheWayBackOpenTheTest) {
    FakePlatform fake;
    Platform platform = fake.platform();
    ApplicationState state;
    Multim multim(15, 15);
    connecterCommandes(multim, platform, state);
    // The chapters come after the wiring, as when a table is first shown.
    multim.chapitres.construire();

    fake.messages.acceptInformation(true);
    Q_EMIT multim.Label14(4)->clicked();
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(fake.messages.shown[0].title, QStringLiteral("Choix impossible"));
    EXPECT_EQ(fake.messages.shown[0].text, QStringLiteral("Fichier ") +
                                               fake.appPath(QStringLiteral("TC05.GLT")) +
                                               QStringLiteral(" introuvable."));
    EXPECT_EQ(state.test.numeroTest, 4);
    EXPECT_FALSE(state.test.testEnCours);

    state.test.testEnCours = true;
    multim.btexo->show();
    Q_EMIT multim.btexo->clicked();
    EXPECT_TRUE(multim.btexo->isHidden());
    EXPECT_EQ(fake.messages.shown.size(), 2) << "the test file is looked for again";
}

TEST(Wiring, AWrongAnswerLeadsToTheCoursePageAndBackToTheTest) {
    FakePlatform fake;
    copierFixture(fake);
    Platform platform = fake.platform();
    ApplicationState state;
    state.cheminBase = fake.appPath(QStringLiteral("GLXNOV.glb"));
    Multim multim(15, 15);
    connecterCommandes(multim, platform, state);
    multim.chapitres.construire();

    fake.modalWindows.scriptNext([&](QDialog& dialog) {
        auto& exo = static_cast<Exo&>(dialog);
        exo.Option1(0)->setChecked(true);
        fake.modalWindows.scriptNext([](QDialog& feedback) {
            static_cast<Cfaux&>(feedback).Command9->click();
            return 1;
        });
        Q_EMIT exo.command5->clicked();
        return exo.result();
    });
    Q_EMIT multim.testcours(0)->clicked();

    EXPECT_EQ(state.navigation.cleCourante, QStringLiteral("1.1. Les atomes"));
    EXPECT_TRUE(multim.menugeneral->isHidden()) << "the course page is shown";
    EXPECT_FALSE(multim.texteur->isHidden());
    EXPECT_FALSE(multim.btexo->isHidden());
    EXPECT_FALSE(multim.Label16->isHidden());

    QString question;
    fake.modalWindows.scriptNext([&](QDialog& dialog) {
        question = static_cast<Exo&>(dialog).noa->text();
        return 0;
    });
    Q_EMIT multim.btexo->clicked();
    EXPECT_EQ(question, QStringLiteral("Question 2 / 3 :"));
    EXPECT_TRUE(multim.btexo->isHidden());
    EXPECT_EQ(fake.modalWindows.shown, (QList<QString>{u"exo"_qs, u"Cfaux"_qs, u"exo"_qs}));
}

TEST(Wiring, TheProjectorLeadsToTheVideoWhoseButtonsDriveTheMediaControl) {
    FakePlatform fake;
    copierFixture(fake);
    QFile video(fake.appPath(QStringLiteral("chute.avi")));
    ASSERT_TRUE(video.open(QIODevice::WriteOnly));
    Platform platform = fake.platform();
    ApplicationState state;
    state.cheminBase = fake.appPath(QStringLiteral("GLXNOV.glb"));
    Multim multim(15, 15);
    connecterCommandes(multim, platform, state);
    multim.chapitres.construire();

    demanderPage(*state.navigateur, QStringLiteral("1.1. Les atomes"));
    Q_EMIT multim.projo->clicked();
    EXPECT_EQ(state.navigation.cleCourante, QStringLiteral("Vidéo : la chute"));

    Q_EMIT multim.Image4(0)->clicked();
    EXPECT_EQ(state.videoEnCours, -1);
    fake.mediaControl.log.clear();
    fake.mediaControl.at = fake.mediaControl.duration;
    ASSERT_TRUE(fake.mediaControl.statusUpdate);
    fake.mediaControl.statusUpdate();
    EXPECT_EQ(fake.mediaControl.log, (QStringList{"From 0", "Play", "Stop"}));

    Q_EMIT multim.Image9(13)->clicked();
    EXPECT_EQ(multim.MVideo(1)->text(), QStringLiteral("Réfraction d'un faisceau laser"));
    multim.MENUVIDEO->hide();
}

TEST(Wiring, ThePictureAndThePowersOfTenButtonsReachTheViewers) {
    FakePlatform fake;
    copierFixture(fake);
    for (const char* nom : {"GLIL1109Bh.JPG", "GLIL1109Bg.JPG"}) {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::black);
        ASSERT_TRUE(image.save(fake.appPath(QString::fromLatin1(nom)), "JPG"));
    }
    Platform platform = fake.platform();
    ApplicationState state;
    state.cheminBase = fake.appPath(QStringLiteral("GLXNOV.glb"));
    Multim multim(15, 15);
    connecterCommandes(multim, platform, state);

    demanderPage(*state.navigateur, QStringLiteral("Le système solaire"));
    multim.Picture4->setBorderSingle(true);
    // Inside the border, one pixel in: (180, 70) is on an edge, (530, 200) on the Earth.
    Q_EMIT multim.Picture4->mouseMoved({181, 71});
    EXPECT_TRUE(state.navigation.astreAffiche.isEmpty());
    Q_EMIT multim.Picture4->mouseMoved({531, 201});
    EXPECT_EQ(state.navigation.astreAffiche, QStringLiteral("Terre"));
    EXPECT_TRUE(multim.texteur->plainText().startsWith(QStringLiteral("Terre\r\n")));

    demanderPage(*state.navigateur, QStringLiteral("3.1. Vision d'ensemble de l'Univers"));
    Q_EMIT multim.Command9->clicked();
    EXPECT_EQ(multim.Label24->text(), QStringLiteral("21"));
    Q_EMIT multim.command11->clicked();
    EXPECT_EQ(multim.Label24->text(), QStringLiteral("24"));
    EXPECT_TRUE(multim.command11->isHidden());
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST(Wiring, IndexAndLinksButtonsOpenTheDictionaryWindowsWhichAPageChangeCloses) {
    FakePlatform fake;
    Platform platform = fake.platform();
    ApplicationState state;
    state.dictionnaire.motsCles = QStringList{QStringLiteral("atome")};
    Multim multim(15, 15);
    multim.move(100, 50);
    connecterCommandes(multim, platform, state);
    fake.messages.acceptInformation(true); // the page change finds no database

    QPoint opened;
    QSize size;
    fake.modalWindows.scriptNext([&](QDialog& index) {
        opened = index.pos();
        size = index.size();
        return int(QDialog::Rejected);
    });
    multim.command4->click();
    EXPECT_EQ(opened, multim.pos() + QPoint(240 / 15, 1800 / 15));
    EXPECT_EQ(size, QSize(302, 431)) << "the calculator's size";

    bool closed = false;
    fake.modalWindows.scriptNext([&](QDialog& liens) {
        allerPage(*state.navigateur);
        closed = !liens.isVisible();
        return liens.result();
    });
    multim.Command1->click();
    EXPECT_EQ(fake.modalWindows.shown,
              (QList<QString>{QStringLiteral("coordon"), QStringLiteral("lier")}));
    EXPECT_TRUE(closed);
}

} // namespace
