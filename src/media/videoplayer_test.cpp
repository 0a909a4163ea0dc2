#include "media/videofixture_test.h"
#include "media/videoplayer.h"
#include "platform/forms/formlabel.h"
#include "platform/forms/picturebox.h"

#include <QTemporaryDir>

namespace {

const QString chute = QStringLiteral("Vidéo : la chute");

class VideoPlayer : public VideoFixture {
protected:
    // The video page with its video beside the program, opened by a first press.
    void ouvrirLaChute() {
        creer(fake.appPath(QStringLiteral("chute.avi")));
        demanderPage(navigateur, chute);
        Image4_Click(contexte, 2);
        fake.mediaControl.log.clear();
    }
};

TEST_F(VideoPlayer, TheFirstPressOpensTheVideoIntoThePictureAndShowsItsFirstPicture) {
    creer(fake.appPath(QStringLiteral("chute.avi")));
    demanderPage(navigateur, chute);
    ASSERT_FALSE(m.label15->isHidden());
    fake.mediaControl.log.clear();

    Image4_Click(contexte, 0);

    EXPECT_EQ(videoEnCours, -1);
    EXPECT_EQ(state.cheminMedia, fake.appPath(QStringLiteral("chute.avi")));
    EXPECT_EQ(fake.mediaControl.fileName, state.cheminMedia);
    EXPECT_EQ(fake.mediaControl.displayWindow, m.Picture4);
    EXPECT_EQ(fake.mediaControl.log,
              (QStringList{"Close", "Close", "Open", "From 0", "Play", "Stop", "Play"}));
    EXPECT_FALSE(m.Picture4->isHidden());
    EXPECT_TRUE(m.projo->isHidden());
    EXPECT_EQ(m.cursor().shape(), Qt::ArrowCursor) << "the hourglass is gone";
    EXPECT_EQ(m.Image4(0)->cursor().shape(), Qt::BitmapCursor);
    EXPECT_TRUE(videosDemandees.isEmpty());
}

TEST_F(VideoPlayer, EachButtonSendsItsCommands) {
    struct Cas {
        int bouton;
        qint64 position;
        QStringList commandes;
        qint64 ensuite;
    };
    const QList<Cas> cas = {
        {0, 1200, {"Play"}, 1200},
        {0, 5000, {"From 0", "Play", "Stop", "Play"}, 0}, // at the end: from the start
        {1, 1200, {"Step"}, 1300},
        {2, 1200, {"Pause"}, 1200},
        {3, 1200, {"Stop", "From 0", "Play", "Stop"}, 0},
        {4, 1200, {"Back"}, 1100},
        {5, 1200, {"From 5000", "Play", "Stop"}, 5000},
        {6, 1200, {"Prev", "Play", "Stop"}, 0},
    };
    ouvrirLaChute();
    for (const Cas& c : cas) {
        fake.mediaControl.log.clear();
        fake.mediaControl.at = c.position;
        Image4_Click(contexte, c.bouton);
        EXPECT_EQ(fake.mediaControl.log, c.commandes) << "button " << c.bouton;
        EXPECT_EQ(fake.mediaControl.at, c.ensuite) << "button " << c.bouton;
    }
}

TEST_F(VideoPlayer, ToTheEndThenPlayPlaysFromTheStart) {
    ouvrirLaChute();
    Image4_Click(contexte, 5);
    fake.mediaControl.log.clear();
    Image4_Click(contexte, 0);
    EXPECT_EQ(fake.mediaControl.log, (QStringList{"From 0", "Play", "Stop", "Play"}));
}

TEST_F(VideoPlayer, AtItsEndTheVideoShowsItsFirstPictureAgain) {
    ouvrirLaChute();
    fake.mediaControl.at = 3000;
    MMControl1_StatusUpdate(contexte);
    EXPECT_TRUE(fake.mediaControl.log.isEmpty());

    fake.mediaControl.at = fake.mediaControl.duration;
    MMControl1_StatusUpdate(contexte);
    EXPECT_EQ(fake.mediaControl.log, (QStringList{"From 0", "Play", "Stop"}));
    EXPECT_EQ(fake.mediaControl.at, 0);
}

TEST_F(VideoPlayer, TheCopyBesideTheProgramWinsOverTheDiscFolderAndTheDiscIsAskedLast) {
    QTemporaryDir disque;
    repertoireVideo = disque.path() + u'/';
    creer(disque.filePath(QStringLiteral("chute.avi")));
    demanderPage(navigateur, chute);
    ouvrirVideo(contexte);
    EXPECT_EQ(state.cheminMedia, disque.filePath(QStringLiteral("chute.avi")));

    demanderPage(navigateur, chute);
    creer(fake.appPath(QStringLiteral("chute.avi")));
    ouvrirVideo(contexte);
    EXPECT_EQ(state.cheminMedia, fake.appPath(QStringLiteral("chute.avi")));
    EXPECT_TRUE(videosDemandees.isEmpty());

    repertoireVideo.clear();
    QFile::remove(fake.appPath(QStringLiteral("chute.avi")));
    surLeDisque = disque.filePath(QStringLiteral("chute.avi"));
    demanderPage(navigateur, chute);
    ouvrirVideo(contexte);
    EXPECT_EQ(videosDemandees, QStringList{fake.appPath(QStringLiteral("chute.avi"))});
    EXPECT_EQ(state.cheminMedia, surLeDisque);
    EXPECT_EQ(videoEnCours, -1);
}

TEST_F(VideoPlayer, AVideoNowhereLeavesTheStillAndIsLookedForAgainAtTheNextPress) {
    demanderPage(navigateur, chute);
    fake.mediaControl.log.clear();

    Image4_Click(contexte, 0);
    EXPECT_EQ(videoEnCours, 0);
    EXPECT_EQ(state.cheminMedia, QStringLiteral("chute.avi"));
    EXPECT_EQ(fake.mediaControl.log.mid(0, 2), (QStringList{"Close", "Close"}));
    EXPECT_FALSE(fake.mediaControl.log.contains("Open"));
    EXPECT_FALSE(m.Picture4->isHidden());
    EXPECT_EQ(m.cursor().shape(), Qt::ArrowCursor);

    Image4_Click(contexte, 0);
    EXPECT_EQ(videosDemandees.size(), 2);
}

} // namespace
