#include "common/recordfile.h"
#include "modules/flagfile.h"
#include "navigator/multim.h"
#include "platform/forms/formlabel.h"
#include "platform/testing/fakeplatform.h"
#include "shell/applicationstate.h"
#include "shell/wiring.h"

#include <QPushButton>
#include <gtest/gtest.h>

namespace {

class ModuleCommands : public ::testing::Test {
protected:
    ModuleCommands() {
        reinitialiserModules(tempo);
        for (int n = 1; n <= 19; ++n)
            state.modules.tableModules[n] = QStringLiteral("MODULE%1.EXE").arg(n);
        connecterCommandes(multim, platform, state);
        // After the wiring, as when a summary view first shows them.
        multim.chapitres.construire();
        multim.modules.construire();
    }

    // The modules started, by number.
    QList<int> demarres() const {
        QList<int> modules;
        for (const auto& start : fake.processes.started)
            modules.append(start.program.mid(fake.appPath("MODULE").size()).chopped(4).toInt());
        return modules;
    }

    FakePlatform fake;
    Platform platform = fake.platform();
    ApplicationState state;
    Multim multim{15, 15};
    QString tempo = fake.appPath(QStringLiteral("TEMPO.GXS"));
};

TEST_F(ModuleCommands, EachIconAndButtonStartsItsModule) {
    Q_EMIT multim.Image6(5)->clicked();
    Q_EMIT multim.Label10(15)->clicked();
    Q_EMIT multim.Command12->clicked();
    EXPECT_EQ(demarres(), (QList<int>{5, 15, 7}));
    EXPECT_EQ(state.modules.tachesModules[15], 1002);
    EXPECT_EQ(multim.Image6(5)->cursor().shape(), Qt::BitmapCursor) << "the hand is back";
}

TEST_F(ModuleCommands, TheSummaryOfAChapterAndEcologiaGetTheirRecordFirst) {
    Q_EMIT multim.essentiel(6)->clicked();
    EXPECT_EQ(readRecord(tempo, flagfile::chapitreResume), QStringLiteral(" 7"));
    EXPECT_EQ(state.modules.chapitreResume, 7);
    Q_EMIT multim.Image3->clicked();
    EXPECT_EQ(readRecord(tempo, flagfile::activiteModule19), QStringLiteral(" 20"));
    EXPECT_EQ(demarres(), (QList<int>{18, 19}));
}

TEST_F(ModuleCommands, APageIconStartsTheModuleWhosePictureItShows) {
    multim.Imagexe->setPicture(multim.Image6(12)->pixmap());
    Q_EMIT multim.Imagexe->clicked();
    multim.Imagexe->setPicture(multim.Image3->pixmap());
    Q_EMIT multim.Imagexe->clicked();
    EXPECT_EQ(demarres(), (QList<int>{12, 19}));
    EXPECT_EQ(readRecord(tempo, flagfile::activiteModule19), QStringLiteral("")) << "not this way";
}

TEST_F(ModuleCommands, DecliningTheWarningStartsNothingAndGivesTheHandBack) {
    writeRecord(tempo, 3, QStringLiteral("OUI"));
    fake.messages.answerNext(Messages::Answer::No);
    Q_EMIT multim.Image6(12)->clicked();
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(fake.messages.shown[0].title, QStringLiteral("Avertissement"));
    EXPECT_TRUE(demarres().isEmpty());
    EXPECT_EQ(multim.Image6(12)->cursor().shape(), Qt::BitmapCursor);

    fake.messages.answerNext(Messages::Answer::No);
    Q_EMIT multim.Command12->clicked();
    EXPECT_EQ(fake.messages.shown[1].title, QStringLiteral("Risque de manque de mémoire"));
}

} // namespace
