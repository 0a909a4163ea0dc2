#include "common/recordfile.h"
#include "dictionary/dictionaryloading.h"
#include "navigator/chapterentries.h"
#include "navigator/multim.h"
#include "navigator/navigationstate.h"
#include "navigator/pictureplacement.h"
#include "platform/forms/formlabel.h"
#include "platform/forms/picturebox.h"
#include "platform/testing/fakeplatform.h"
#include "shell/applicationstate.h"
#include "shell/startup.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

// An application directory as installed: Dispotune beside the navigator, the flag
// file at version 2.01, a database whose first pages are the table entries and a
// dictionary.
class Startup : public ::testing::Test {
protected:
    Startup() {
        touch(fake.appPath("dispotune.exe"));
        writeRecord(tempo(), 22, "2.01");
        writeRecord(base(), 1, "BASE GL");
        for (int page = 1; page <= 3; ++page)
            writeRecord(base(), 10 * page, QStringLiteral("Page %1").arg(page));
        writeDictionary({"noyau", "atome"});
        connecterPicture4(multim, state.navigation);
    }

    static void touch(const QString& path) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
    }
    QString tempo() const { return fake.appPath("TEMPO.GXS"); }
    QString base() const { return fake.appPath("GLXNOV.glb"); }
    QString dico() const { return fake.appPath("GLX.DIC"); }
    void writeDictionary(const QStringList& keywords) {
        QFile::remove(dico());
        writeRecord(dico(), 1, "DICO GL");
        int record = 2;
        for (const QString& keyword : keywords) {
            writeRecord(dico(), record++, keyword);
            writeRecord(dico(), record++, "Page 1");
        }
    }

    // Runs start-up; false when it ended the program.
    bool start() {
        try {
            demarrer(platform, multim, state);
            return true;
        } catch (const ProgramEnded&) {
            return false;
        }
    }

    // Clicks the display warning's button, after `before` (the user changing the screen).
    void scriptWarning(const char* button, std::function<void()> before = {}) {
        fake.modalWindows.scriptNext([button, before](QDialog& dialog) {
            if (before)
                before();
            dialog.findChild<QPushButton*>(button)->click();
            return 0;
        });
    }

    FakePlatform fake;
    Platform platform = fake.platform();
    Multim multim{15, 15};
    ApplicationState state;
};

} // namespace

TEST_F(Startup, ANormalStartShowsTheGeneralSummaryWithTheHistorysFirstEntry) {
    writeRecord(tempo(), 3, "OUI");
    ASSERT_TRUE(start());
    EXPECT_TRUE(multim.isVisible());
    EXPECT_TRUE(multim.menugeneral->isVisible());
    EXPECT_EQ(multim.frameGeometry().size(), QSize(800, 600));
    EXPECT_EQ(multim.windowTitle(), u"Solstice - LUMEN");
    EXPECT_EQ(multim.Label9->text(), u"Sommaire");
    EXPECT_EQ(state.navigation.positionHistorique, 1);
    EXPECT_EQ(state.navigation.historique[1], u"soma0");
    EXPECT_TRUE(state.navigation.historique[2].isEmpty());
    EXPECT_FALSE(multim.avant->isEnabled());
    EXPECT_FALSE(multim.apres->isEnabled());
    for (int r = 1; r <= 20; ++r)
        EXPECT_EQ(readRecord(tempo(), r), u"NON") << r;
    EXPECT_EQ(state.modules.tableModules[7], u"NAVIGA.EXE");
    EXPECT_EQ(state.modules.tableModules[19], u"ECOLOGIA.EXE");
    EXPECT_TRUE(state.modules.tableModules[20].isEmpty());
    EXPECT_EQ(state.hauteursChapitres[4], 6255);
    EXPECT_EQ(state.hauteursChapitres[19], 0);
    EXPECT_EQ(state.cheminBase, base());
    EXPECT_EQ(state.dictionnaire.cheminDico, dico());
    EXPECT_EQ(state.alerteEcran, 0);

    // The chapters wait for a table to show them; their entries then show the keys
    // start-up read, whatever the database holds by then.
    EXPECT_FALSE(multim.chapitres.construite());
    writeRecord(base(), 10, "Changée");
    multim.chapitres.construire();
    EXPECT_EQ(multim.ettext(0)->text(), u"Page 1");
    EXPECT_EQ(multim.ettext(2)->text(), u"Page 3");
    EXPECT_TRUE(multim.ettext(3)->text().isEmpty());
    EXPECT_EQ(multim.ettext(5)->font().family(), u"Arial");
    const TwipsScale& twips = multim.twips();
    EXPECT_EQ(twips.rect(*multim.chapi(0)).top(), 1680);
    EXPECT_EQ(twips.rect(*multim.chapi(3)).top(), 375 * 3 + 1500 + 630);
    EXPECT_EQ(twips.rect(*multim.chapi(12)).top(), 375 * 2 + 1500 + 180);
    EXPECT_EQ(twips.rect(*multim.chapi(9)).height(), 255);
    EXPECT_EQ(twips.rect(*multim.tablematchi).height(), twips.rect(*multim.chapi(9)).bottom() + 1);
    EXPECT_EQ(twips.rect(*multim.Label7(1)).top(), twips.rect(*multim.btpm(3)).top() - 390);
    EXPECT_EQ(multim.btpm(7)->cursor().shape(), multim.btpm(0)->cursor().shape());
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    EXPECT_TRUE(fake.processes.started.isEmpty());
}

TEST_F(Startup, WithoutDispotuneEndsWithAMessageBeforeTouchingTheFlagFile) {
    QFile::remove(fake.appPath("dispotune.exe"));
    QFile::remove(tempo());
    fake.messages.answerNext(Messages::Answer::Ok);
    EXPECT_FALSE(start());
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(fake.messages.shown[0].title, u"Exécution impossible");
    EXPECT_EQ(fake.messages.shown[0].text,
              u"Le fichier « dispotune.exe » doit être présent dans\r\nle même répertoire que "
              u"cette application.\r\nRevoir l'installation du logiciel.");
    EXPECT_EQ(fake.messages.shown[0].icon, Messages::Icon::Critical);
    EXPECT_FALSE(QFile::exists(tempo()));
    EXPECT_FALSE(multim.isVisible());
}

TEST_F(Startup, DisplayHandOffByScreenWidthAndRecord23) {
    struct Case {
        int width;
        QString before;
        bool handsOver;
        QString after;
    };
    const Case cases[] = {
        {800, "ECRANAVOIR", false, "ECRANAVOIR"},
        {700, "", false, ""},
        {900, "ECRANOK", false, "ECRANOK"},
        {1024, "ECRANAVOIR", true, "ECRANOK"},
        {1024, "", true, "ECRANOK"},
        {1024, " ECRANOK ", false, "ECRANAVOIR"},
        {699, "ECRANAVOIR", true, "ECRANOK"},
        {901, "ECRANOK", false, "ECRANAVOIR"},
    };
    for (const Case& c : cases) {
        FakePlatform other;
        fake.processes.started.clear();
        fake.screen.setPixels(c.width, 768);
        writeRecord(tempo(), 23, c.before);
        if (c.width < 700)
            scriptWarning("Command3");
        Multim window(15, 15);
        bool ended = false;
        try {
            demarrer(platform, window, state);
        } catch (const ProgramEnded&) {
            ended = true;
        }
        EXPECT_EQ(readRecord(tempo(), 23), c.after) << c.width;
        EXPECT_EQ(ended, c.handsOver) << c.width;
        const bool startedDispotune =
            !fake.processes.started.isEmpty() &&
            fake.processes.started[0].program == u"dispotune.exe" &&
            fake.processes.started[0].style == Processes::WindowStyle::NormalFocus;
        EXPECT_EQ(startedDispotune, c.handsOver) << c.width;
        EXPECT_EQ(window.isVisible(), !c.handsOver) << c.width;
    }
}

TEST_F(Startup, AFlagFileThatCannotBeWrittenKeepsTheNavigatorRatherThanLoop) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only files";
    fake.screen.setPixels(1024, 768);
    writeRecord(tempo(), 23, "ECRANAVOIR");
    QFile(tempo()).setPermissions(QFileDevice::ReadOwner);
    EXPECT_TRUE(start());
    EXPECT_TRUE(fake.processes.started.isEmpty());
    EXPECT_EQ(readRecord(tempo(), 23), u"ECRANAVOIR");
}

TEST_F(Startup, OnALargeScreenTheSecondStartCentresAnOuter800By600Window) {
    fake.screen.setPixels(1024, 768);
    writeRecord(tempo(), 23, "ECRANOK");
    ASSERT_TRUE(start());
    const QSize outer = multim.frameGeometry().size();
    EXPECT_EQ(outer, QSize(800, 600));
    EXPECT_EQ(multim.frameGeometry().topLeft(), QPoint(112, 84));
}

TEST_F(Startup, TheVersionIsCheckedWithItsSpacesTrimmed) {
    writeRecord(tempo(), 22, "  2.01 ");
    EXPECT_TRUE(start());
    writeRecord(tempo(), 22, "2.1");
    fake.messages.answerNext(Messages::Answer::Cancel);
    Multim again(15, 15);
    EXPECT_THROW(demarrer(platform, again, state), ProgramEnded);
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(fake.messages.shown[0].title, u"Fin de l'installation");
}

TEST_F(Startup, AMissingFlagFileFinishesTheInstallationAskingForTheDiscUntilCancel) {
    QFile::remove(tempo());
    fake.messages.answerNext(Messages::Answer::Ok);
    fake.messages.answerNext(Messages::Answer::Cancel);
    EXPECT_FALSE(start());
    ASSERT_EQ(fake.messages.shown.size(), 2);
    const FakeMessages::Box& box = fake.messages.shown[0];
    EXPECT_EQ(box.text,
              u"Introduire le CD ROM Galvane dans le lecteur pour terminer l'installation.");
    EXPECT_EQ(box.buttons, Messages::Buttons::OkCancel);
    EXPECT_EQ(box.icon, Messages::Icon::Information);
    EXPECT_EQ(fake.drives.questions, 52);
    EXPECT_FALSE(multim.isVisible());
}

TEST_F(Startup, TheInstallerIsCopiedFromTheHighestDiscWithTheRightSignature) {
    writeRecord(tempo(), 22, "");
    const QString e = fake.appPath("discE");
    const QString g = fake.appPath("discG");
    touch(e + "/DONNEES/deploy2.exe");
    writeRecord(e + "/DONNEES/GLXNOV.glb", 1, "BASE GL");
    QDir().mkpath(g + "/donnees");
    writeRecord(g + "/donnees/glxnov.GLB", 1, "AUTRE");
    touch(g + "/donnees/deploy2.exe");
    fake.drives.roots[u'E'] = e;
    fake.drives.roots[u'G'] = g;

    EXPECT_FALSE(start());
    ASSERT_EQ(fake.files.copies.size(), 1);
    EXPECT_EQ(fake.files.copies[0].first, e + "/DONNEES/deploy2.exe");
    const QString installer = fake.appPath("deploy2.exe");
    EXPECT_EQ(fake.files.copies[0].second, installer);
    EXPECT_TRUE(QFileInfo(installer).isExecutable());
    ASSERT_EQ(fake.processes.started.size(), 1);
    EXPECT_EQ(fake.processes.started[0].program, installer);
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(Startup, AnInstallerThatCannotStartAsksForTheDisc) {
    writeRecord(tempo(), 22, "");
    const QString e = fake.appPath("discE");
    QDir().mkpath(e + "/DONNEES");
    writeRecord(e + "/DONNEES/GLXNOV.glb", 1, "BASE GL");
    fake.drives.roots[u'E'] = e;
    fake.processes.failing.insert(fake.appPath("deploy2.exe"));
    fake.messages.answerNext(Messages::Answer::Cancel);
    EXPECT_FALSE(start());
    EXPECT_EQ(fake.processes.started.size(), 1);
    EXPECT_EQ(fake.messages.shown.size(), 1);
}

TEST_F(Startup, AWrongDatabaseSignatureStartsTheInstallerSilently) {
    for (const char* signature : {"BASE GL ", ""}) {
        fake.processes.started.clear();
        writeRecord(base(), 1, signature);
        Multim window(15, 15);
        EXPECT_THROW(demarrer(platform, window, state), ProgramEnded) << signature;
        ASSERT_EQ(fake.processes.started.size(), 1);
        EXPECT_EQ(fake.processes.started[0].program, u"DEPLOY2.EXE");
        EXPECT_EQ(fake.processes.started[0].style, Processes::WindowStyle::MaximisedFocus);
        EXPECT_TRUE(fake.messages.shown.isEmpty());
        EXPECT_FALSE(window.isVisible());
    }
}

TEST_F(Startup, AWrongOrMissingDictionaryEndsWithItsPath) {
    writeRecord(dico(), 1, "DICO");
    fake.messages.answerNext(Messages::Answer::Ok);
    EXPECT_FALSE(start());
    QFile::remove(dico());
    fake.messages.answerNext(Messages::Answer::Ok);
    Multim again(15, 15);
    EXPECT_THROW(demarrer(platform, again, state), ProgramEnded);
    ASSERT_EQ(fake.messages.shown.size(), 2);
    for (const FakeMessages::Box& box : fake.messages.shown) {
        EXPECT_EQ(box.title, u"Exécution impossible");
        EXPECT_EQ(box.text, "Dictionnaire " + dico() + " introuvable");
        EXPECT_EQ(box.icon, Messages::Icon::Critical);
    }
}

TEST_F(Startup, TheWarningComesBackUntilTheScreenIsWideEnough) {
    fake.screen.setPixels(640, 480);
    writeRecord(tempo(), 23, "ECRANOK");
    scriptWarning("Command1");
    scriptWarning("Command1", [this] { fake.screen.setPixels(800, 600); });
    ASSERT_TRUE(start());
    EXPECT_EQ(fake.modalWindows.shown.size(), 2);
    EXPECT_EQ(state.alerteEcran, 1);
    EXPECT_TRUE(multim.isVisible());
}

// The display warning comes after the cover is loaded, before the summary loads it again.
TEST_F(Startup, TheCoverIsPlacedAndEndsTheSolarSystemViewerAsSoonAsItIsLoaded) {
    QImage cover(200, 300, QImage::Format_RGB32);
    cover.fill(Qt::blue);
    ASSERT_TRUE(cover.save(fake.appPath("couverture.jpg")));
    fake.screen.setPixels(640, 480);
    writeRecord(tempo(), 23, "ECRANOK");
    state.navigation.modeInteractif = 1;
    QPoint pendantAlerte;
    qint16 modePendantAlerte = -1;
    scriptWarning("Command1", [&] {
        pendantAlerte = multim.Picture4->pos();
        modePendantAlerte = state.navigation.modeInteractif;
        fake.screen.setPixels(800, 600);
    });
    ASSERT_TRUE(start());
    EXPECT_EQ(pendantAlerte, QPoint(60, 145));
    EXPECT_EQ(modePendantAlerte, 0);
}

TEST_F(Startup, QuittingAtTheWarningWritesNothingMore) {
    fake.screen.setPixels(640, 480);
    writeRecord(tempo(), 23, "ECRANOK");
    scriptWarning("Command3");
    EXPECT_FALSE(start());
    EXPECT_TRUE(readRecord(tempo(), 1).isEmpty());
    EXPECT_EQ(readRecord(tempo(), 23), u"ECRANAVOIR");
}

TEST_F(Startup, KeywordsLoadIntoTheListsInTheirOrders) {
    struct Case {
        QStringList file;
        QStringList motsCles;
    };
    const Case cases[] = {
        {{}, {}},
        {{"seul"}, {"seul"}},
        {{"noyau", "atome", "Atome", "atome", "électron"}, {"atome", "Atome", "électron", "noyau"}},
    };
    for (const Case& c : cases) {
        writeDictionary(c.file);
        Multim window(15, 15);
        demarrer(platform, window, state);
        QStringList list1;
        for (int i = 0; i < window.List1->count(); ++i)
            list1.append(window.List1->item(i)->text());
        EXPECT_EQ(list1, c.file);
        EXPECT_EQ(window.List1->currentRow(), -1);
        EXPECT_EQ(state.dictionnaire.finDico, 2 * c.file.size());
        EXPECT_EQ(state.dictionnaire.dernierMotCle, c.motsCles.size() - 1);
        EXPECT_EQ(state.dictionnaire.aDesMotsCles(), !c.motsCles.isEmpty());
        const QStringList& motsCles = motsClesTries(state.dictionnaire);
        ASSERT_EQ(motsCles.size(), c.motsCles.size());
        for (int i = 0; i < c.motsCles.size(); ++i)
            EXPECT_EQ(motsCles[i].toLower(), c.motsCles[i].toLower());
    }
}
