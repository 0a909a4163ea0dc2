#include "common/recordfile.h"
#include "modules/flagfile.h"
#include "navigator/multim.h"
#include "platform/forms/formlabel.h"
#include "platform/testing/fakeplatform.h"
#include "shell/applicationstate.h"
#include "shell/fermeur.h"
#include "shell/shutdown.h"
#include "shell/wiring.h"

#include <QDialog>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

// The closing window as the real one runs: its own event loop until it has done its
// work, within a long bound so that a window that never works fails the test.
int runUntilClosed(QDialog& fermeur) {
    QTimer::singleShot(10000, &fermeur, &QDialog::reject);
    return fermeur.exec();
}

class Shutdown : public ::testing::Test {
protected:
    Shutdown() {
        reinitialiserModules(tempo);
        connecterCommandes(multim, platform, state);
        multim.show();
        multim.projo->show();
    }

    // "&Quitter" confirmed: the closing window runs and ends the navigator.
    void quitConfirmed() {
        fake.messages.answerNext(Messages::Answer::Ok);
        fake.modalWindows.scriptNext(runUntilClosed);
        EXPECT_THROW(multim.Command14->click(), ProgramEnded);
    }

    void expectEpilogStarted() {
        ASSERT_EQ(fake.processes.started.size(), 1);
        EXPECT_EQ(fake.processes.started[0].program, fake.appPath(QStringLiteral("EPILOG.EXE")));
        EXPECT_EQ(fake.processes.started[0].style, Processes::WindowStyle::NormalFocus);
    }

    FakePlatform fake;
    Platform platform = fake.platform();
    ApplicationState state;
    Multim multim{15, 15};
    QString tempo = fake.appPath(QStringLiteral("TEMPO.GXS"));
};

TEST_F(Shutdown, DecliningTheConfirmationLeavesEverythingAsItWas) {
    fake.messages.answerNext(Messages::Answer::Cancel);
    multim.Command14->click();
    ASSERT_EQ(fake.messages.shown.size(), 1);
    const FakeMessages::Box& box = fake.messages.shown[0];
    EXPECT_EQ(box.title, QStringLiteral("Quitter"));
    EXPECT_EQ(box.text, QStringLiteral("Attention: sortie du logiciel."));
    EXPECT_EQ(box.buttons, Messages::Buttons::OkCancel);
    EXPECT_EQ(box.icon, Messages::Icon::Question);
    EXPECT_TRUE(multim.isVisible());
    EXPECT_TRUE(multim.projo->isVisible());
    EXPECT_TRUE(fake.mediaControl.log.isEmpty()) << "the video plays on";
    EXPECT_TRUE(fake.modalWindows.shown.isEmpty());
    EXPECT_TRUE(fake.processes.started.isEmpty());
}

TEST_F(Shutdown, ClosingTheWindowFromItsFrameAsksTheSameQuestion) {
    fake.messages.answerNext(Messages::Answer::Cancel);
    EXPECT_FALSE(multim.close());
    EXPECT_EQ(fake.messages.shown.size(), 1);
    EXPECT_TRUE(multim.isVisible());
}

TEST_F(Shutdown, WithNoModuleRunningNoWindowIsAskedToQuit) {
    fake.desktopWindows.windows = {{7, QStringLiteral("Aide du logiciel Galvane"),
                                    fake.appPath(QStringLiteral("helpviewer"))}};
    multim.showMinimized();
    quitConfirmed();
    EXPECT_EQ(fake.modalWindows.shown, QList<QString>{QStringLiteral("Fermeur")});
    EXPECT_EQ(fake.mediaControl.log, QStringList{QStringLiteral("Close")});
    EXPECT_FALSE(multim.projo->isVisible());
    EXPECT_FALSE(multim.Frame1->isVisible());
    EXPECT_FALSE(multim.windowState() & Qt::WindowMinimized);
    EXPECT_FALSE(multim.isVisible());
    EXPECT_EQ(fake.desktopWindows.walks, 0) << "the help viewer stays open";
    EXPECT_EQ(state.modules.numeroModuleDemande, 0);
    expectEpilogStarted();
}

TEST_F(Shutdown, RunningModulesAndTheHelpViewerAreAskedToQuitByTheirTitles) {
    writeRecord(tempo, 10, QStringLiteral("OUI"));
    const QString ours = fake.appPath(QStringLiteral("ORDALIS.EXE"));
    fake.desktopWindows.windows = {
        {1, QStringLiteral("Solstice - LUMEN"), ours},
        {2, QStringLiteral("Simulation Gravis - chute libre"), ours},
        {3, QStringLiteral("GRAVIS"), ours}, // another letter case than the fragment
        {4, QStringLiteral("Strata"), ours}, // module 8: in pass 17, never in pass 8
        {5, QStringLiteral("Aide du logiciel Galvane"), fake.appPath(QStringLiteral("helpviewer"))},
        {6, QStringLiteral("Ecologia"), ours}, // module 19 is never closed
        {7, QString(), ours},
        {8, QStringLiteral("Resumix"), ours},
        {9, QStringLiteral("Gravis"), ours},
        {10, QStringLiteral("Pipetta"), ours},
        {11, QStringLiteral("TUTORKIT"), ours},
        {12, QStringLiteral("Tutorkit"), ours},
        {13, QStringLiteral("Mentoria, le tuteur"), ours},
        {14, QStringLiteral("Ordalis"), ours},
    };
    quitConfirmed();
    EXPECT_EQ(state.modules.numeroModuleDemande, 1);
    EXPECT_EQ(fake.desktopWindows.walks, 20);
    // Pass by pass (0, 1, 5, 10, 15, 17, 18, 19), in window order within a pass.
    EXPECT_EQ(fake.desktopWindows.quitRequests, (QList<quint64>{5, 14, 11, 2, 9, 13, 4, 10, 8}));
    EXPECT_FALSE(multim.isVisible());
    expectEpilogStarted();
}

TEST_F(Shutdown, OnlyWindowsOfProgramsInTheApplicationDirectoryAreAskedToQuit) {
    writeRecord(tempo, 1, QStringLiteral("OUI"));
    QDir(fake.appDir.path()).mkdir(QStringLiteral("outils"));
    fake.desktopWindows.windows = {
        {1, QStringLiteral("Navigation privée — essai"), QStringLiteral("/usr/bin/navigateur")},
        {2, QStringLiteral("Ordalis"), QString()}, // its owner cannot be told
        {3, QStringLiteral("Oscilla"), fake.appPath(QStringLiteral("outils/OSCILLA.EXE"))},
        {4, QStringLiteral("Ordalis"), fake.appPath(QStringLiteral("ORDALIS.EXE"))},
        {5, QStringLiteral("Aide du logiciel Galvane"), QStringLiteral("/usr/bin/aide")},
    };
    quitConfirmed();
    EXPECT_EQ(fake.desktopWindows.quitRequests, QList<quint64>{4});
}

TEST_F(Shutdown, AMissingFlagFileOrExitProgramStillEndsTheNavigator) {
    QFile::remove(tempo);
    fake.desktopWindows.windows = {
        {1, QStringLiteral("Ordalis"), fake.appPath(QStringLiteral("ORDALIS.EXE"))}};
    fake.processes.failing.insert(fake.appPath(QStringLiteral("EPILOG.EXE")));
    quitConfirmed();
    EXPECT_EQ(state.modules.numeroModuleDemande, -1);
    EXPECT_EQ(fake.desktopWindows.walks, 0);
    expectEpilogStarted();
    EXPECT_FALSE(QFile::exists(tempo)) << "shutdown writes no flag file";
}

// A desktop that notes, at its first walk, what the closing window then showed.
class WatchedDesktop : public FakeDesktopWindows {
public:
    QList<Window> topLevelWindows() override {
        if (walks == 0)
            atFirstWalk();
        return FakeDesktopWindows::topLevelWindows();
    }
    std::function<void()> atFirstWalk;
};

// The texts a label painted, in order.
class PaintedTexts : public QObject {
public:
    explicit PaintedTexts(QLabel& label) : label_(label) { label.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            texts.append(label_.text());
        return false;
    }
    QStringList texts;

private:
    QLabel& label_;
};

TEST(Fermeur, TellsTheUserToWaitOnScreenBeforeAnyWindowIsAskedToQuit) {
    FakePlatform fake;
    WatchedDesktop bureau;
    bureau.windows = {{1, QStringLiteral("Ordalis"), fake.appPath(QStringLiteral("ORDALIS.EXE"))}};
    Platform platform{fake.messages,  fake.modalWindows, fake.events, fake.screen,
                      fake.processes, fake.files,        fake.drives, fake.mediaControl,
                      bureau,         fake.helpViewer};
    reinitialiserModules(fake.appPath(QStringLiteral("TEMPO.GXS")));
    writeRecord(fake.appPath(QStringLiteral("TEMPO.GXS")), 1, QStringLiteral("OUI"));
    EtatModules modules;
    Multim multim{15, 15};
    multim.show();
    FermetureContexte contexte{multim, platform, modules, fake.appDir.path() + u'/'};
    Fermeur fermeur([&contexte](Fermeur& f) { fermerModules(contexte, f); }, &multim);
    EXPECT_EQ(fermeur.Label1->text(), QStringLiteral("Patience: fermeture du logiciel"));
    EXPECT_EQ(fermeur.Label1->font().family(), QStringLiteral("MS Sans Serif"));
    const PaintedTexts painted(*fermeur.Label1);
    bool exposed = false;
    QStringList paintedBeforeWalk;
    bureau.atFirstWalk = [&] {
        exposed = fermeur.windowHandle() && fermeur.windowHandle()->isExposed();
        paintedBeforeWalk = painted.texts;
    };

    EXPECT_EQ(runUntilClosed(fermeur), QDialog::Accepted);
    EXPECT_TRUE(exposed) << "the closing window is on screen while the windows are asked to quit";
    EXPECT_EQ(paintedBeforeWalk.value(0), QStringLiteral("Patience: fermeture du logiciel"))
        << "the window is painted before its work starts";
    EXPECT_EQ(paintedBeforeWalk.value(paintedBeforeWalk.size() - 1),
              QStringLiteral("Fermeture du logiciel\r\n\r\n\r\n"
                             "Veuillez patienter quelques instants..."));
    EXPECT_EQ(bureau.quitRequests, QList<quint64>{1});
    EXPECT_FALSE(multim.isVisible());
    ASSERT_EQ(fake.processes.started.size(), 1) << "the exit program";
}

} // namespace
