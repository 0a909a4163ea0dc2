// The search in the course as the pupil types: building the index of a course of the
// demo's size and larger, and one search per key press.

#include "search/searchindex.h"

#include <QString>
#include <benchmark/benchmark.h>

namespace {

const QStringList vocabulaire = {
    QStringLiteral("électron"),   QStringLiteral("noyau"),   QStringLiteral("atome"),
    QStringLiteral("molécule"),   QStringLiteral("énergie"), QStringLiteral("lumière"),
    QStringLiteral("réaction"),   QStringLiteral("espèce"),  QStringLiteral("chimique"),
    QStringLiteral("électrique"), QStringLiteral("courant"), QStringLiteral("tension"),
    QStringLiteral("la"),         QStringLiteral("des"),     QStringLiteral("et"),
    QStringLiteral("d'une"),      QStringLiteral("cœur"),    QStringLiteral("où"),
};

// `nombre` pages of about three hundred words, in paragraphs.
QList<PageCherchee> cours(int nombre) {
    QList<PageCherchee> pages;
    for (int p = 0; p < nombre; ++p) {
        QString texte;
        for (int m = 0; m < 300; ++m) {
            texte += vocabulaire[(p * 7 + m * 13) % vocabulaire.size()];
            texte += m % 40 == 39 ? QStringLiteral(".\r\n") : QStringLiteral(" ");
        }
        pages.append({QStringLiteral("%1.1. Page %2 %3")
                          .arg(p % 9 + 1)
                          .arg(p)
                          .arg(vocabulaire[p % vocabulaire.size()]),
                      texte});
    }
    return pages;
}

void construire(benchmark::State& state) {
    const QList<PageCherchee> pages = cours(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(IndexRecherche(pages));
}
BENCHMARK(construire)->Arg(150)->Arg(1500);

// Each prefix of "électron noyau", as the list follows the typing.
void chercher(benchmark::State& state) {
    const IndexRecherche index(cours(int(state.range(0))));
    const QString saisie = QStringLiteral("électron noyau");
    for (auto _ : state)
        for (int n = 1; n <= saisie.size(); ++n)
            benchmark::DoNotOptimize(index.chercher(saisie.left(n)));
}
BENCHMARK(chercher)->Arg(150)->Arg(1500);

} // namespace

BENCHMARK_MAIN();
