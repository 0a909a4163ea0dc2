#include "common/recordfile.h"
#include "modules/flagfile.h"
#include "modules/updatehelp.h"
#include "platform/testing/fakeplatform.h"

#include <gtest/gtest.h>

namespace {

class UpdateHelpTest : public ::testing::Test {
protected:
    FakePlatform fake;
    Platform platform = fake.platform();
    QString repertoire = fake.appDir.path() + u'/';
    QString tempo = flagfile::path(repertoire);

    void allClosed() { ASSERT_TRUE(reinitialiserModules(tempo)); }
    void mark(int module, const QString& text) { ASSERT_TRUE(writeRecord(tempo, module, text)); }

    void expectRefused() {
        Command8_Click(platform, repertoire);
        ASSERT_EQ(fake.messages.shown.size(), 1);
        const FakeMessages::Box& box = fake.messages.shown.front();
        EXPECT_EQ(box.title, u"Mise à jour impossible");
        EXPECT_EQ(box.text, u"Pour effectuer une mise à jour, tous les modules du logiciel "
                            u"doivent être fermés");
        EXPECT_EQ(box.buttons, Messages::Buttons::Ok);
        EXPECT_EQ(box.icon, Messages::Icon::Exclamation);
        EXPECT_TRUE(fake.processes.started.isEmpty());
        fake.messages.shown.clear();
    }
};

TEST_F(UpdateHelpTest, UpdateHandsOverToTheUpdaterWhenEveryModuleIsClosed) {
    allClosed();
    EXPECT_THROW(Command8_Click(platform, repertoire), ProgramEnded);
    ASSERT_EQ(fake.processes.started.size(), 1);
    EXPECT_EQ(fake.processes.started.front().program, repertoire + QStringLiteral("UPDATER.EXE"));
    EXPECT_EQ(fake.processes.started.front().style, Processes::WindowStyle::MaximisedFocus);
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(UpdateHelpTest, AMissingUpdaterStillEndsTheNavigator) {
    allClosed();
    fake.processes.failing.insert(repertoire + QStringLiteral("UPDATER.EXE"));
    EXPECT_THROW(Command8_Click(platform, repertoire), ProgramEnded);
}

TEST_F(UpdateHelpTest, UpdateIsRefusedWhileAnyRecordIsNotExactlyNon) {
    const struct {
        int record;
        QString text;
    } cases[] = {{3, QStringLiteral("OUI")},  {19, QStringLiteral("OUI")},
                 {20, QStringLiteral("OUI")}, {7, QStringLiteral("NON ")},
                 {12, QStringLiteral("non")}, {5, QString()}};
    fake.messages.acceptInformation(true);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.record);
        allClosed();
        mark(c.record, c.text);
        expectRefused();
    }
}

TEST_F(UpdateHelpTest, AMissingFlagFileRefusesTheUpdate) {
    fake.messages.acceptInformation(true);
    expectRefused();
}

TEST_F(UpdateHelpTest, TheUpdateGoesAheadOnceTheModuleHasClosed) {
    fake.messages.acceptInformation(true);
    allClosed();
    mark(3, QStringLiteral("OUI"));
    expectRefused();
    mark(3, QStringLiteral("NON"));
    EXPECT_THROW(Command8_Click(platform, repertoire), ProgramEnded);
    EXPECT_EQ(fake.processes.started.size(), 1);
}

TEST_F(UpdateHelpTest, HelpOpensTheCourseHelpFileAndTheNavigatorGoesOn) {
    Command10_Click(platform, repertoire);
    EXPECT_EQ(fake.helpViewer.opened, QStringList{repertoire + QStringLiteral("GLX.hlp")});
    EXPECT_TRUE(fake.processes.started.isEmpty());
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

} // namespace
