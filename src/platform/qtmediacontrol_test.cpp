#include "platform/qtmediacontrol.h"

#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

TEST(QtMediaControl, CloseWorksBeforeAnythingWasOpenedAndPlayNeedsAFile) {
    QtMediaControl control{QStringLiteral(VIDEO_MODULE)};
    EXPECT_TRUE(control.send(MediaControl::Command::Close));
    EXPECT_FALSE(control.send(MediaControl::Command::Play));
    EXPECT_FALSE(control.send(MediaControl::Command::Open)); // no file name yet
    EXPECT_TRUE(control.send(MediaControl::Command::Close));
}

TEST(QtMediaControl, NothingOpenHasNoLengthAndRefusesTheMovingCommands) {
    QtMediaControl control{QStringLiteral(VIDEO_MODULE)};
    control.setFrom(1000);
    EXPECT_EQ(control.position(), 0);
    EXPECT_EQ(control.length(), 0);
    for (auto command : {MediaControl::Command::Step, MediaControl::Command::Back,
                         MediaControl::Command::Prev, MediaControl::Command::Pause})
        EXPECT_FALSE(control.send(command));
}

// The first press after opening acts on a video whose length is known.
TEST(QtMediaControl, OpenReturnsWithTheLengthOfARealVideo) {
    QWidget window;
    QtMediaControl control{QStringLiteral(VIDEO_MODULE)};
    control.setDisplayWindow(&window);
    control.setFileName(QStringLiteral(DEMO_VIDEO));
    ASSERT_TRUE(control.send(MediaControl::Command::Open));
    EXPECT_GT(control.length(), 0);

    control.setFrom(control.length());
    EXPECT_TRUE(control.send(MediaControl::Command::Play));
}

TEST(QtMediaControl, AVideoModuleThatCannotBeLoadedRefusesToOpen) {
    QtMediaControl control{QStringLiteral("/nonexistent/galvane-video.so")};
    control.setFileName(QStringLiteral(DEMO_VIDEO));
    EXPECT_FALSE(control.send(MediaControl::Command::Open));
    EXPECT_EQ(control.length(), 0);
    EXPECT_TRUE(control.send(MediaControl::Command::Close));
}

TEST(QtMediaControl, OpenFailsOnAFileThatIsNoVideo) {
    QTemporaryDir dir;
    QFile text(dir.filePath("pas-une-video.avi"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("ceci n'est pas une vidéo");
    text.close();

    QWidget window;
    QtMediaControl control{QStringLiteral(VIDEO_MODULE)};
    control.setDisplayWindow(&window);
    control.setFileName(text.fileName());
    EXPECT_FALSE(control.send(MediaControl::Command::Open));
    EXPECT_EQ(control.length(), 0);
}
