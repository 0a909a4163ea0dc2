// The navigator in use, wired as GALVANE.EXE is, on a copy of the course in APPDIR
// whose TC01.GLT is replaced by a test of 100 questions with a 1 MB question document.
//   usage_bench APPDIR [VISITS]
// Prints the median time from the test button to the test window showing its first
// question, and the resident memory after start-up, after 100 and after VISITS page
// visits (every page of the course in turn, each media kind, a video played on each
// video page, a test opened and closed and the index used every tenth visit).

#include "benchfigures.h"
#include "common/recordfile.h"
#include "navigator/contentdatabase.h"
#include "navigator/multim.h"
#include "navigator/navigation.h"
#include "platform/desktopplatform.h"
#include "platform/diskfiles.h"
#include "platform/forms/formlabel.h"
#include "quiz/testfile.h"
#include "shell/applicationstate.h"
#include "shell/startup.h"
#include "shell/wiring.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>

namespace {

constexpr int questions = 100;

// The disk, with the program standing in the copied application directory.
class FichiersDuCours : public DiskFiles {
public:
    explicit FichiersDuCours(QString repertoire) : repertoire_(std::move(repertoire)) {}
    QString executableDirectory() const override { return repertoire_; }

private:
    QString repertoire_;
};

void copierCours(const QDir& depuis, const QDir& vers) {
    for (const QString& nom : depuis.entryList(QDir::Files))
        QFile::copy(depuis.filePath(nom), vers.filePath(nom));
}

// Each statement some 10 KB of formatted French text, so the document is about 1 MB.
QByteArray documentDeQuestions() {
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 ";
    const QByteArray phrase = "Un atome est constitu\\'e9 d'un noyau et d'\\'e9lectrons; "
                              "{\\b la charge} du noyau est {\\i positive}. ";
    for (int n = 1; n <= questions; ++n) {
        rtf += "#RP-" + QByteArray::number(n).rightJustified(2, '0') + "\\par ";
        for (int i = 0; i < 10000 / phrase.size(); ++i)
            rtf += phrase;
        rtf += "\\par #-o-O-o-#\\par ";
    }
    return rtf + "}";
}

void ecrireGrandTest(const QString& repertoire) {
    QFile document(repertoire + QStringLiteral("TC01.rtf"));
    if (document.open(QIODevice::WriteOnly))
        document.write(documentDeQuestions());
    QFile::remove(repertoire + QStringLiteral("TC01.GLT"));
    const QString renvoi = readKey(repertoire + QStringLiteral("GLXNOV.glb"), 1);
    RecordFile test(repertoire + QStringLiteral("TC01.GLT"), RecordFile::Mode::ReadWrite);
    test.write(1, signatureTest);
    test.write(2, QStringLiteral("TC01.rtf"));
    test.write(3, QString::number(questions));
    for (int n = 1; n <= questions; ++n) {
        const int premier = firstRecordOfQuestion(n);
        test.write(premier, QStringLiteral("1"));
        test.write(premier + 1, QStringLiteral("3"));
        for (int i = 0; i < 3; ++i)
            test.write(premier + 6 - i, QStringLiteral("Réponse %1").arg(i + 1));
        test.write(premier + 7, QStringLiteral("1"));
        test.write(premier + 8, renvoi);
    }
}

QStringList clesDesPages(const QString& cheminBase) {
    QStringList cles;
    for (int page = 1; page <= dernierePageAdressable; ++page) {
        const QString cle = readKey(cheminBase, page);
        if (cle.trimmed().isEmpty())
            break;
        cles.append(cle);
    }
    return cles;
}

void cliquerEnfant(QWidget& fenetre, const char* nom) {
    if (auto* bouton = fenetre.findChild<QPushButton*>(QString::fromLatin1(nom)))
        bouton->click();
    else if (auto* dialogue = qobject_cast<QDialog*>(&fenetre))
        dialogue->reject();
}

// Answers every modal window as a hurried pupil would: the test is closed as soon as
// it shows (and its abandon confirmed), the index opens its first keyword's first
// page, any other message is acknowledged. Each answer is queued, never given from
// the timer itself, since it may open another modal window.
class ElevePresse : public QObject {
public:
    ElevePresse() {
        connect(&tic_, &QTimer::timeout, this, &ElevePresse::regarder);
        tic_.start(1);
    }
    std::function<void()> testAffiche;

private:
    void regarder() {
        QWidget* fenetre = QApplication::activeModalWidget();
        if (!fenetre || fenetre == enAttente_)
            return;
        enAttente_ = fenetre;
        QTimer::singleShot(0, fenetre, [this, fenetre] {
            enAttente_ = nullptr;
            repondre(*fenetre);
        });
    }
    void repondre(QWidget& fenetre) {
        if (auto* message = qobject_cast<QMessageBox*>(&fenetre)) {
            QAbstractButton* oui = message->button(QMessageBox::Yes);
            (oui ? oui : message->buttons().value(0))->click();
        } else if (fenetre.objectName() == u"exo") {
            if (testAffiche)
                std::exchange(testAffiche, {})();
            static_cast<QDialog&>(fenetre).reject();
        } else if (fenetre.objectName() == u"coordon") {
            cliquerEnfant(fenetre, "Command2");
        } else if (fenetre.objectName() == u"HTRUB") {
            cliquerEnfant(fenetre, "Command1");
        } else if (auto* dialogue = qobject_cast<QDialog*>(&fenetre)) {
            dialogue->reject();
        }
    }
    QTimer tic_;
    QPointer<QWidget> enAttente_;
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: usage_bench APPDIR [VISITS]\n");
        return 2;
    }
    QApplication application(argc, argv);
    const int visites = benchfigures::runsFromArguments(argc - 1, argv + 1, 1000);
    QTemporaryDir copie;
    copierCours(QDir(QString::fromLocal8Bit(argv[1])), QDir(copie.path()));
    const QString repertoire = copie.path() + u'/';
    ecrireGrandTest(repertoire);
    benchfigures::settle();

    DesktopPlatform desktop;
    const Platform reelle = desktop.platform();
    FichiersDuCours fichiers(copie.path());
    Platform platform{reelle.messages,  reelle.modalWindows, reelle.events,
                      reelle.screen,    reelle.processes,    fichiers,
                      reelle.drives,    reelle.mediaControl, reelle.desktopWindows,
                      reelle.helpViewer};

    ApplicationState state;
    Multim multim(platform.screen.twipsPerPixelX(), platform.screen.twipsPerPixelY());
    connecterCommandes(multim, platform, state);
    demarrer(platform, multim, state);
    QCoreApplication::processEvents();
    benchfigures::print("memory_started_mb", benchfigures::residentMegabytes());
    // The chemistry table, whose chapters hold the test buttons.
    emit multim.Image1(0)->clicked();

    ElevePresse presse;
    std::vector<double> ouvertures;
    // Ten openings, fewer on a short run.
    const int ouverturesVoulues = std::clamp(visites / 5, 1, 10);
    for (int run = 0; run < ouverturesVoulues; ++run) {
        QElapsedTimer chrono;
        presse.testAffiche = [&] { ouvertures.push_back(double(chrono.nsecsElapsed()) / 1e6); };
        chrono.start();
        emit multim.testcours(0)->clicked();
        QCoreApplication::processEvents();
    }
    if (int(ouvertures.size()) != ouverturesVoulues)
        std::fprintf(stderr, "usage_bench: the test window did not always open\n");
    benchfigures::print("test_window_ms", benchfigures::median(ouvertures));

    const QStringList cles = clesDesPages(repertoire + QStringLiteral("GLXNOV.glb"));
    if (cles.isEmpty()) {
        std::fprintf(stderr, "usage_bench: no course beside the program\n");
        return 1;
    }
    for (int visite = 1; visite <= visites; ++visite) {
        demanderPage(*state.navigateur, cles[visite % cles.size()]);
        QCoreApplication::processEvents();
        if (state.navigation.genreCourant.startsWith(u"AVI") && multim.Image4(0)->isVisible())
            emit multim.Image4(0)->clicked();
        if (visite % 10 == 0) {
            emit multim.testcours(visite / 10 % 19)->clicked();
            emit multim.command4->clicked();
        }
        QCoreApplication::processEvents();
        if (visite == 100)
            benchfigures::print("memory_100_visits_mb", benchfigures::residentMegabytes());
    }
    benchfigures::print("memory_visits_mb", benchfigures::residentMegabytes());
    return 0;
}
