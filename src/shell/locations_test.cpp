#include "platform/testing/fakeplatform.h"
#include "shell/locations.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class Locations : public ::testing::Test {
protected:
    // A disc in drive `letter` holding `path` (relative to its root).
    QString insert(QChar letter, const QString& path) {
        const QString root = fake.appPath(QStringLiteral("disc") + letter);
        put(root, path);
        fake.drives.roots[letter] = root;
        return root;
    }
    static void put(const QString& root, const QString& path) {
        QDir().mkpath(QFileInfo(root + "/" + path).path());
        QFile file(root + "/" + path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    FakePlatform fake;
    Platform platform = fake.platform();
    QString repertoire = QStringLiteral("avant/");
};

} // namespace

TEST_F(Locations, ABlankNameIsLeftAsItIsWithoutAScan) {
    for (QString name : {QString(), QStringLiteral("   ")}) {
        const QString before = name;
        localiserDonnees(platform, name, repertoire);
        EXPECT_EQ(name, before);
    }
    EXPECT_EQ(fake.drives.questions, 0);
    EXPECT_EQ(repertoire, u"avant/");
}

TEST_F(Locations, TheHighestLetterWinsAndOnlyTheBareNameIsLookedFor) {
    insert(u'E', "GLXDATA/PHOTO.JPG");
    const QString g = insert(u'G', "GLXDATA/PHOTO.JPG");
    QString name = QStringLiteral("IMAGES\\PHOTO.JPG");
    localiserDonnees(platform, name, repertoire);
    EXPECT_EQ(name, g + "/GLXDATA/PHOTO.JPG");
    EXPECT_EQ(repertoire, g + "/GLXDATA/");
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(Locations, NamesOnTheDiscMayDifferInCase) {
    const QString d = insert(u'D', "glxv/chute.avi");
    QString name = QStringLiteral("CHUTE.AVI");
    localiserVideo(platform, name, repertoire);
    EXPECT_EQ(name, d + "/glxv/chute.avi");
    EXPECT_EQ(repertoire, d + "/glxv/");
}

TEST_F(Locations, RetryFindsADiscInsertedAfterTheMessage) {
    const QString root = fake.appPath("later");
    put(root, "GLXDATA/page.rtf");
    fake.drives.later[u'F'] = {root, 26};
    fake.messages.answerNext(Messages::Answer::Retry);
    QString name = QStringLiteral("page.rtf");
    localiserDonnees(platform, name, repertoire);
    EXPECT_EQ(name, root + "/GLXDATA/page.rtf");
    ASSERT_EQ(fake.messages.shown.size(), 1);
    const FakeMessages::Box& box = fake.messages.shown[0];
    EXPECT_EQ(box.title, u"CD-ROM absent");
    EXPECT_EQ(box.text, u"Veuillez introduire le CD-ROM « GALVANE » dans le lecteur.");
    EXPECT_EQ(box.buttons, Messages::Buttons::RetryCancel);
    EXPECT_EQ(box.icon, Messages::Icon::Exclamation);
}

TEST_F(Locations, CancelGivesAnEmptyNameABeepAndKeepsTheDirectory) {
    insert(u'E', "GLXDATA/autre.jpg");
    fake.messages.answerNext(Messages::Answer::Retry);
    fake.messages.answerNext(Messages::Answer::Cancel);
    QString name = QStringLiteral("absent.jpg");
    localiserDonnees(platform, name, repertoire);
    EXPECT_TRUE(name.isEmpty());
    EXPECT_EQ(repertoire, u"avant/");
    EXPECT_EQ(fake.messages.shown.size(), 2);
    EXPECT_EQ(fake.messages.beeps, 1);
}
