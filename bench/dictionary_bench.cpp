// The keyword dictionary at its largest: every keyword and page record the record
// numbers address (16 383 entries), on the offscreen platform.
//   dictionary_bench [RUNS]
// Prints the median start-up loading of the keywords, the median search step of a
// key release in the index, and the median computing of the related-pages list.

#include "benchfigures.h"
#include "benchnavigator.h"
#include "common/recordfile.h"
#include "dictionary/coordon.h"
#include "dictionary/dictionarycontext.h"
#include "dictionary/dictionaryloading.h"
#include "dictionary/dictionarylookup.h"
#include "platform/desktopplatform.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

namespace {

constexpr int entrees = (RecordFile::maxRecord - 1) / 2;
constexpr int pages = 3275;

// Some 5 000 keywords of three to nine letters, three pages each.
QString motCle(int entree) {
    static const char* const syllabes[] = {"io",   "na",  "ther", "mo",  "chi", "mie", "é", "lec",
                                           "tron", "pho", "ton",  "ato", "me",  "ray", "zo"};
    int n = entree / 3;
    QString mot;
    do {
        mot += QString::fromUtf8(syllabes[n % 15]);
        n /= 15;
    } while (n > 0);
    return entree % 2 ? mot : mot.toUpper();
}

QString cleDePage(int page) {
    return QStringLiteral("%1. Page %1").arg(page);
}

QString ecrireDictionnaire(const QString& dossier) {
    const QString chemin = dossier + QStringLiteral("/GLX.DIC");
    RecordFile dico(chemin, RecordFile::Mode::ReadWrite);
    dico.write(1, signatureDico);
    for (int k = 1; k <= entrees; ++k) {
        dico.write(2 * k, motCle(k));
        dico.write(2 * k + 1, cleDePage(1 + (k * 7) % pages));
    }
    return chemin;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int runs = benchfigures::runsFromArguments(argc, argv, 30);
    QTemporaryDir temporaire;
    const QString cheminDico = ecrireDictionnaire(temporaire.path());
    benchfigures::settle();

    DictionaryState dico;
    dico.cheminDico = cheminDico;
    std::vector<double> chargements;
    for (int run = 0; run < runs; ++run)
        chargements.push_back(benchfigures::milliseconds([&] {
            QListWidget liste;
            const QStringList mots = lireMotsCles(cheminDico);
            liste.addItems(mots);
            retenirMotsCles(dico, mots);
            // The sort as well, which waits for the index's first opening.
            motsClesTries(dico);
        }));
    benchfigures::print("dictionary_load_ms", benchfigures::median(chargements));

    DesktopPlatform desktop;
    BenchNavigator banc(desktop.platform(), temporaire.path() + u'/');
    FenetresDictionnaire fenetres;
    DictionnaireContexte contexte{banc.navigateur, dico, fenetres};
    Coordon index(contexte);
    index.show();
    QCoreApplication::processEvents();
    // The last keyword in the index's order, typed letter by letter: every step
    // searches the list from its top.
    const QString dernier = dico.motsCles.last();
    std::vector<double> recherches;
    for (int run = 0; run < runs; ++run) {
        index.Text1->clear();
        for (const QChar lettre : dernier) {
            index.Text1->setText(index.Text1->text() + lettre);
            QKeyEvent relache(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(lettre));
            recherches.push_back(benchfigures::milliseconds(
                [&] { QCoreApplication::sendEvent(index.Text1, &relache); }));
        }
    }
    if (index.List2->currentItem() == nullptr ||
        !index.List2->currentItem()->text().startsWith(dernier, Qt::CaseInsensitive))
        std::fprintf(stderr, "dictionary_bench: the index did not find the keyword\n");
    benchfigures::print("index_keyup_ms", benchfigures::median(recherches));

    std::vector<double> liees;
    for (int run = 0; run < runs; ++run)
        liees.push_back(benchfigures::milliseconds([&] {
            const QStringList liste =
                pagesLiees(cheminDico, dico.finDico, cleDePage(1 + 7 % pages));
            if (liste.isEmpty())
                std::fprintf(stderr, "dictionary_bench: no related pages\n");
        }));
    benchfigures::print("related_pages_ms", benchfigures::median(liees));
    return 0;
}
