// Page changes on the largest course the record numbers address: 3 275 pages, the
// last one with a 30 KB rich-text page and a picture, on the offscreen platform.
//   navigator_bench [RUNS]
// Prints the median page change to the last page, the median cost of just reading
// what it reads (the records up to that page, the rich text into a document, the
// picture), and the median move of a walk back and forth through the history.

#include "benchfigures.h"
#include "benchnavigator.h"
#include "common/recordfile.h"
#include "navigator/contentdatabase.h"
#include "platform/desktopplatform.h"
#include "platform/richtext/richtextbox.h"
#include "platform/richtext/rtfreader.h"
#include "rtfsamples.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextDocument>

namespace {

QString cleDePage(int page) {
    return QStringLiteral("%1. Page générée numéro %1").arg(page, 4, 10, QLatin1Char('0'));
}

void ecrireFichier(const QString& path, const QByteArray& contenu) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(contenu);
}

void ecrireImage(const QString& path) {
    QImage image(350, 260, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int y = 0; y < image.height(); y += 10)
        painter.fillRect(0, y, image.width(), 10, QColor::fromHsv(y % 360, 160, 220));
    painter.end();
    image.save(path, "JPG");
}

// Every page but the last is a short text page; the last has the large page and the
// picture. Each page links to its neighbours.
void ecrireCours(const QDir& dossier) {
    ecrireFichier(dossier.filePath(QStringLiteral("court.rtf")),
                  "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Une page courte.\\par}");
    ecrireFichier(dossier.filePath(QStringLiteral("grande.rtf")), rtfsamples::typicalPage());
    ecrireImage(dossier.filePath(QStringLiteral("image.jpg")));

    RecordFile base(dossier.filePath(QStringLiteral("GLXNOV.glb")), RecordFile::Mode::ReadWrite);
    base.write(1, signatureBase);
    for (int page = 1; page <= dernierePageAdressable; ++page) {
        const bool derniere = page == dernierePageAdressable;
        PageRecord record;
        record.cle = cleDePage(page);
        record.texte = derniere ? QStringLiteral("grande.rtf") : QStringLiteral("court.rtf");
        record.numModule = QStringLiteral("0");
        record.media = derniere ? QStringLiteral("image.jpg") : QString();
        record.genre = derniere ? QStringLiteral("Image") : QString();
        record.suivante = derniere ? QString() : cleDePage(page + 1);
        record.precedente = page > 1 ? cleDePage(page - 1) : QString();
        record.style = QString::number(page % 6);
        record.bandeau = QStringLiteral("Chimie-Chapitre généré");
        for (int k = 0; k < 10; ++k)
            base.write(recordOfSlot(page, k), record.slot(k));
    }
}

// What a page change cannot avoid: the records the search and the page read, the rich
// text into a document and the picture decoded.
void lireSansNavigateur(const QDir& dossier) {
    RecordFile base(dossier.filePath(QStringLiteral("GLXNOV.glb")), RecordFile::Mode::Read);
    for (int page = 1; page <= dernierePageAdressable; ++page)
        base.read(recordOfSlot(page, 0));
    for (int k = 1; k < 10; ++k)
        base.read(recordOfSlot(dernierePageAdressable, k));
    QTextDocument document;
    readRtfFile(dossier.filePath(QStringLiteral("grande.rtf")), document);
    const QImage image(dossier.filePath(QStringLiteral("image.jpg")));
    if (image.isNull() || document.isEmpty())
        std::fprintf(stderr, "navigator_bench: the generated files do not read\n");
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int runs = benchfigures::runsFromArguments(argc, argv, 30);

    QTemporaryDir temporaire;
    const QDir dossier(temporaire.path());
    ecrireCours(dossier);
    benchfigures::settle();

    DesktopPlatform desktop;
    BenchNavigator banc(desktop.platform(), temporaire.path() + u'/');
    Multim& m = banc.m;
    NavigationContexte& navigateur = banc.navigateur;
    connecterNavigation(navigateur);
    m.show();
    QCoreApplication::processEvents();

    const auto aller = [&](const QString& cle) {
        demanderPage(navigateur, cle);
        QCoreApplication::processEvents();
    };
    std::vector<double> changements, lectures;
    for (int run = 0; run < runs; ++run) {
        aller(cleDePage(1 + run % 50));
        changements.push_back(
            benchfigures::milliseconds([&] { aller(cleDePage(dernierePageAdressable)); }));
        lectures.push_back(benchfigures::milliseconds([&] { lireSansNavigateur(dossier); }));
    }
    if (banc.state.cleCourante != cleDePage(dernierePageAdressable) || !m.texteur->isVisible())
        std::fprintf(stderr, "navigator_bench: the last page was not shown\n");
    benchfigures::print("page_change_ms", benchfigures::median(changements));
    benchfigures::print("page_read_ms", benchfigures::median(lectures));

    // The walk: 20 pages near the end of the table, then back and forth.
    std::vector<double> mouvements;
    for (int run = 0; run < std::max(1, runs / 10); ++run) {
        for (int page = dernierePageAdressable - 20; page <= dernierePageAdressable; ++page)
            aller(cleDePage(page));
        for (int pas = 0; pas < 20 && m.avant->isEnabled(); ++pas)
            mouvements.push_back(benchfigures::milliseconds([&] {
                m.avant->click();
                QCoreApplication::processEvents();
            }));
        for (int pas = 0; pas < 20 && m.apres->isEnabled(); ++pas)
            mouvements.push_back(benchfigures::milliseconds([&] {
                m.apres->click();
                QCoreApplication::processEvents();
            }));
    }
    benchfigures::print("history_move_ms", benchfigures::median(mouvements));
    return 0;
}
