#include "common/recordfile.h"
#include "modules/flagfile.h"
#include "modules/launcher.h"
#include "modules/modulestate.h"
#include "platform/testing/fakeplatform.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

// Alambix (module 12) asked for, every module marked as not running.
class Launcher : public ::testing::Test {
protected:
    Launcher() {
        reinitialiserModules(tempo);
        etat.tableModules[12] = QStringLiteral("ALAMBIX.EXE");
    }

    void marquer(int module) { ASSERT_TRUE(writeRecord(tempo, module, QStringLiteral("OUI"))); }
    void lancer() { lancerModule(platform, repertoire, etat, 12, QStringLiteral("Avertissement")); }
    QStringList demarres() const {
        QStringList programmes;
        for (const auto& start : fake.processes.started)
            programmes.append(start.program);
        return programmes;
    }

    FakePlatform fake;
    Platform platform = fake.platform();
    QString repertoire = fake.appDir.path() + u'/';
    QString tempo = flagfile::path(repertoire);
    QString alambix = repertoire + QStringLiteral("ALAMBIX.EXE");
    EtatModules etat;
};

TEST_F(Launcher, AModuleAloneStartsFromTheApplicationDirectoryAndComesToTheFront) {
    lancer();
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    EXPECT_EQ(demarres(), QStringList{alambix});
    EXPECT_EQ(fake.processes.started[0].style, Processes::WindowStyle::NormalFocus);
    EXPECT_EQ(etat.tachesModules[12], 1001);
    EXPECT_EQ(fake.processes.activated, QList<qint64>{1001});
}

TEST_F(Launcher, OtherModulesRunningAskFirstAndNoStartsNothing) {
    struct Cas {
        QList<int> autres;
        QString texte;
    };
    const QList<Cas> cas = {
        {{3},
         "Il y a déjà un module en cours d'exécution.\r\nVous devriez le fermer avant d'en "
         "charger un nouveau.\r\nContinuer quand même?"},
        {{3, 17},
         "Il y a déjà 2 modules en cours d'exécution.\r\nVous devriez les fermer avant d'en "
         "charger un nouveau.\r\nContinuer quand même?"},
    };
    for (const Cas& c : cas) {
        reinitialiserModules(tempo);
        for (int autre : c.autres)
            marquer(autre);
        fake.messages.shown.clear();
        fake.messages.answerNext(Messages::Answer::No);
        lancer();
        ASSERT_EQ(fake.messages.shown.size(), 1);
        EXPECT_EQ(fake.messages.shown[0].title, QStringLiteral("Avertissement"));
        EXPECT_EQ(fake.messages.shown[0].text, c.texte);
        EXPECT_EQ(fake.messages.shown[0].buttons, Messages::Buttons::YesNoDefaultNo);
        EXPECT_EQ(fake.messages.shown[0].icon, Messages::Icon::Question);
        EXPECT_TRUE(fake.processes.started.isEmpty());
        EXPECT_TRUE(fake.processes.activated.isEmpty());
        EXPECT_EQ(etat.tachesModules[12], 0);
    }

    fake.messages.answerNext(Messages::Answer::Yes);
    lancer();
    EXPECT_EQ(demarres(), QStringList{alambix});
    EXPECT_EQ(etat.numeroModuleDemande, 0);
}

TEST_F(Launcher, AModuleThatRunsIsStartedAgainOnlyWhenAnotherProgramStartedIt) {
    marquer(12);
    etat.tachesModules[12] = 4242; // started by this navigator
    lancer();
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    EXPECT_TRUE(fake.processes.started.isEmpty());
    EXPECT_EQ(fake.processes.activated, QList<qint64>{4242});

    etat.tachesModules[12] = 0; // started elsewhere
    lancer();
    EXPECT_EQ(demarres(), QStringList{alambix});
    EXPECT_EQ(etat.tachesModules[12], 1001);
}

TEST_F(Launcher, AFailedStartKeepsTheTaskItHad) {
    fake.processes.failing.insert(alambix);
    lancer();
    EXPECT_EQ(etat.tachesModules[12], 0);
    EXPECT_EQ(fake.processes.activated, QList<qint64>{0});
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(Launcher, WithoutTheFlagFileAModuleStartsOnceAndIsThenBroughtToTheFront) {
    QFile::remove(tempo);
    lancer();
    lancer();
    EXPECT_EQ(demarres(), QStringList{alambix});
    EXPECT_EQ(fake.processes.activated, (QList<qint64>{1001, 1001}));
    EXPECT_FALSE(QFile::exists(tempo));
}

} // namespace
