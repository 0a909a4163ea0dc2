#include "shell/startup.h"

#include "common/appdirectory.h"
#include "common/recordfile.h"
#include "common/spaces.h"
#include "dictionary/dictionaryloading.h"
#include "display/alerte.h"
#include "modules/flagfile.h"
#include "navigator/chapterentries.h"
#include "navigator/chapterheights.h"
#include "navigator/contentdatabase.h"
#include "navigator/history.h"
#include "navigator/multim.h"
#include "navigator/summaries.h"
#include "navigator/tablelayout.h"
#include "navigator/windowsize.h"
#include "platform/events.h"
#include "platform/files.h"
#include "platform/forms/formlabel.h"
#include "platform/forms/picturebox.h"
#include "platform/forms/pointers.h"
#include "platform/messages.h"
#include "platform/modalwindows.h"
#include "platform/platform.h"
#include "platform/processes.h"
#include "platform/screen.h"
#include "shell/applicationstate.h"
#include "shell/cine.h"

#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <memory>

namespace {

constexpr std::array<const char*, 20> executablesModules = {"",
                                                            "ORDALIS.EXE",
                                                            "VALENS.EXE",
                                                            "SPECTRA.EXE",
                                                            "REFLEXA.EXE",
                                                            "TUTORKIT.EXE",
                                                            "ORBITA.EXE",
                                                            "NAVIGA.EXE",
                                                            "STRATA.EXE",
                                                            "BILANZ.EXE",
                                                            "GRAVIS.EXE",
                                                            "MOLECA.EXE",
                                                            "ALAMBIX.EXE",
                                                            "SONORIA.EXE",
                                                            "FICHEX.EXE",
                                                            "MENTORIA.EXE",
                                                            "OSCILLA.EXE",
                                                            "PIPETTA.EXE",
                                                            "RESUMIX.EXE",
                                                            "ECOLOGIA.EXE"};

void executionImpossible(Platform& platform, const QString& texte) {
    platform.messages.show(QStringLiteral("Exécution impossible"), texte, Messages::Buttons::Ok,
                           Messages::Icon::Critical);
    platform.processes.endProgram();
}

// Step 4: hands over to Dispotune every other start while the screen is not about
// 800 pixels wide.
void passerAffichage(Platform& platform, const QString& ficheTempo, const QString& etatEcran) {
    const float w = largeurEcran(platform.screen);
    if (w >= 700 && w <= 900)
        return;
    if (trimSpaces(etatEcran) != u"ECRANOK") {
        // Unwritten, the mark would send every start back to the display program, which
        // starts the navigator again: the pupil would never see it. Go on instead.
        if (!writeRecord(ficheTempo, flagfile::etatEcran, QStringLiteral("ECRANOK")))
            return;
        platform.events.processPending();
        platform.processes.start(QStringLiteral("dispotune.exe"), {},
                                 Processes::WindowStyle::NormalFocus);
        platform.processes.endProgram();
    }
    writeRecord(ficheTempo, flagfile::etatEcran, QStringLiteral("ECRANAVOIR"));
    platform.events.processPending();
}

// Step 12: the warning until the screen is at least 700 pixels wide.
float avertirEcranEtroit(Platform& platform, ApplicationState& state) {
    state.alerteEcran = 0;
    float w = largeurEcran(platform.screen);
    while (w < 700) {
        state.alerteEcran = 1;
        Alerte alerte(platform, state.alerteEcran);
        platform.modalWindows.run(alerte);
        w = largeurEcran(platform.screen);
    }
    return w;
}

// Steps 17 to 19: the tables of contents, every chapter folded.
void disposerTables(Multim& m) {
    const TwipsScale& twips = m.twips();
    m.Picture1->setGeometry(336, 92, m.Picture1->width(), 430);
    twips.setLeft(*m.tablematchi, 0);
    twips.setTop(*m.tablematchi, 0);
    twips.setLeft(*m.tablematphy, 0);
    twips.setTop(*m.tablematphy, 0);
    m.chapitres.apres([&m] {
        const TwipsScale& twips = m.twips();
        const auto placerChapitres = [&](int premier, int nombre, int partie2, int partie3) {
            int decalage = 180;
            for (int i = 0; i < nombre; ++i) {
                if (i == partie2 || i == partie3)
                    decalage += 450;
                const int top = 375 * i + 1500 + decalage;
                twips.setHeight(*m.chapi(premier + i), chapterheights::folded);
                twips.setTop(*m.chapi(premier + i), top);
                twips.setTop(*m.btpm(premier + i), top);
            }
        };
        placerChapitres(0, 10, 3, 6);
        placerChapitres(10, 9, 4, 7);
        tablelayout::empilerChapitres(m, true);
        tablelayout::empilerChapitres(m, false);
        placerTitresParties(m);
    });
    m.VScroll1->setValue(0);
    m.VScroll1->setMaximum(0);
    m.VScroll1->hide();
    m.menugeneral->setGeometry(352, 99, 409, 413);
}

// Step 25: entry label i shows the key of page i + 1, as the database holds it now.
void legenderEntrees(Multim& m, const QString& cheminBase) {
    QStringList cles;
    RecordFile base(cheminBase, RecordFile::Mode::ReadUnchanging);
    for (int i = 0; i < chapterentries::totalEntries(); ++i)
        cles.append(readKey(base, i + 1));
    m.chapitres.apres([&m, cles] {
        for (const auto& [i, label] : m.ettext) {
            QFont font = label->font();
            font.setFamily(QStringLiteral("Arial"));
            label->setFont(font);
            label->setText(cles.value(i));
        }
        for (const auto& [i, label] : m.etsout) {
            QFont font = label->font();
            font.setFamily(QStringLiteral("Arial"));
            label->setFont(font);
        }
    });
}

} // namespace

void demarrer(Platform& platform, Multim& m, ApplicationState& state) {
    state.videoEnCours = 0;
    state.repertoireDonnees.clear();
    state.repertoireVideo.clear();

    const QString repertoire = repertoireProgramme(platform.files.executableDirectory());
    if (!platform.files.exists(repertoire + QStringLiteral("dispotune.exe")))
        executionImpossible(platform,
                            QStringLiteral("Le fichier « dispotune.exe » doit être présent dans\r\n"
                                           "le même répertoire que cette application.\r\n"
                                           "Revoir l'installation du logiciel."));

    const QString ficheTempo = flagfile::path(repertoire);
    QString version;
    QString etatEcran;
    {
        RecordFile fiche(ficheTempo, RecordFile::Mode::Read);
        version = fiche.read(flagfile::version);
        etatEcran = fiche.read(flagfile::etatEcran);
    }
    platform.events.processPending();
    passerAffichage(platform, ficheTempo, etatEcran);
    if (trimSpaces(version) != u"2.01")
        terminerInstallation(platform);

    m.EXECHI->resize(m.EXECHI->width(), 345);
    m.EXEPHY->resize(m.EXEPHY->width(), 345);
    m.titrelivre->resize(377, m.titrelivre->height());
    reinitialiserHistorique(state.navigation);
    m.Label9->move(m.Label9->x(), 0);
    QFont titre = m.Label9->font();
    titre.setPointSize(36);
    m.Label9->setFont(titre);
    m.Label9->setText(QStringLiteral("Sommaire"));
    m.Label9->setStyleSheet(QStringLiteral("color: rgb(0, 0, 0)"));
    for (QWidget* frame : {m.Picture1, m.tablematphy, m.tablematchi})
        frame->setPalette(QPalette(Qt::white));
    m.Picture4->loadPicture(repertoire + QStringLiteral("couverture.jpg"));
    m.Picture4->show();
    m.Picture4->raise();
    m.Picture4->setBorderSingle(true);
    for (int n = 0; n < int(executablesModules.size()); ++n)
        state.modules.tableModules[n] = QString::fromLatin1(executablesModules[n]);

    if (avertirEcranEtroit(platform, state) > 810)
        centrerFenetre(m, platform.screen);

    auto cine = std::make_unique<Cine>(repertoire);
    cine->show();
    cine->repaint();

    preparerCurseurs(m, state);
    reinitialiserModules(ficheTempo);
    for (int n = 1; n <= 20; ++n)
        state.modules.tachesModules[n] = 0;
    platform.events.processPending();

    disposerTables(m);

    state.cheminBase = repertoire + QStringLiteral("GLXNOV.glb");
    if (readSignature(state.cheminBase) != signatureBase) {
        platform.processes.start(QStringLiteral("DEPLOY2.EXE"), {},
                                 Processes::WindowStyle::MaximisedFocus);
        platform.processes.endProgram();
    }
    // The main window's list holds the keywords in the file's order.
    m.List1->clear();
    m.List1->addItems(loadDictionary(platform, state.dictionnaire, repertoire));
    platform.events.processPending();
    platform.events.processPending();

    legenderEntrees(m, state.cheminBase);

    // The main window first, so that the program never stands without a window.
    m.show();
    cine.reset();
    SommaireContexte contexte{m, state.navigation, platform.mediaControl, state.videoEnCours,
                              repertoire};
    afficherSommaire(contexte);
    // The summary shown here is the history's first entry, not a second one.
    reinitialiserHistorique(state.navigation);
    montrerHistorique(m, state.navigation);
}

void preparerCurseurs(Multim& m, ApplicationState& state) {
    // The cursor image of `ettext`(0), the design's pointing hand.
    const QCursor main = m.hand();
    m.chapitres.apres([&m, main] {
        for (int i = 1; i <= 18; ++i) {
            m.btpm(i)->setCursor(m.btpm(0)->cursor());
            m.icoess(i)->setPicture(m.icoess(0)->pixmap());
            m.icoess(i)->setCursor(m.icoess(0)->cursor());
            m.testcours(i)->setPicture(m.testcours(0)->pixmap());
            m.testcours(i)->setCursor(m.testcours(0)->cursor());
            m.essentiel(i)->setCursor(m.essentiel(0)->cursor());
            m.Label14(i)->setCursor(m.Label14(0)->cursor());
        }
        for (const auto& [i, label] : m.ettext)
            setPointer(*label, PointerKind::Custom, main);
    });
    for (const auto& [i, label] : m.Label20)
        setPointer(*label, PointerKind::Custom, main);
    setPointer(*m.Image3, PointerKind::Custom, main);
    setPointer(*m.Label12, PointerKind::Custom, main);

    state.hauteursChapitres.fill(0);
    for (int i = 0; i < int(chapterheights::unfolded.size()); ++i)
        state.hauteursChapitres[i] = chapterheights::unfolded[i];
}
