#include "search/searchindex.h"

#include <gtest/gtest.h>

namespace {

// Three pages and one whose text could not be read (only its title is searched).
IndexRecherche indexDeTest() {
    return IndexRecherche({
        {"1.1. Les atomes", "L'atome est formé d'un noyau et d'électrons.\r\nLes électrons "
                            "tournent autour du noyau."},
        {"4.1. Les couches électroniques", "Les électrons se répartissent en couches."},
        {"2.3. Le courant", "Un courant électrique est un déplacement d'électrons. Les "
                            "électrons vont du pôle moins au pôle plus : électrons, électrons."},
        {"Vidéo : l'électrolyse", ""},
    });
}

QList<int> pagesTrouvees(const IndexRecherche& index, const QString& saisie) {
    QList<int> pages;
    for (const Resultat& r : index.chercher(saisie))
        pages.append(r.page);
    return pages;
}

TEST(SearchIndex, PagesHoldingEveryWordComeTitleMatchesFirstThenByMatches) {
    const IndexRecherche index = indexDeTest();
    const struct {
        const char* saisie;
        QList<int> pages;
    } cas[] = {
        // Title matches first (the page whose text is unread included), then the most
        // matches: the current page says it five times, the atoms page twice.
        {"electr", {1, 3, 2, 0}},
        {"ÉLECTRONS", {2, 0, 1}},
        {"electron noyau", {0}},
        {"noyau courant", {}},
        {"lectron", {}}, // the middle of a word is no beginning
        {"electrolyse", {3}},
        {"tourn", {0}},
        {"   ", {}},
        {"", {}},
    };
    for (const auto& c : cas)
        EXPECT_EQ(pagesTrouvees(index, QString::fromUtf8(c.saisie)), c.pages) << c.saisie;
}

TEST(SearchIndex, AResultCountsItsMatchesAndFindsTheFirstInTheText) {
    const IndexRecherche index = indexDeTest();
    const QList<Resultat> resultats = index.chercher(QStringLiteral("noyau electr"));
    ASSERT_EQ(resultats.size(), 1);
    const Resultat& atomes = resultats.front();
    EXPECT_FALSE(atomes.dansLeTitre);
    EXPECT_EQ(atomes.nombre, 4);
    // "noyau" at 23 comes before "électrons" at 34; the match is the typed beginning.
    EXPECT_EQ(atomes.premiere, (Correspondance{23, 5}));
    EXPECT_EQ(index.chercher(QStringLiteral("electr")).at(3).premiere, (Correspondance{34, 6}));
    EXPECT_FALSE(index.chercher(QStringLiteral("electrolyse")).front().premiere.has_value());
}

TEST(SearchIndex, MatchesInATextFollowItsOrderAndTheLongestBeginningTyped) {
    const QString texte = QStringLiteral("Œuvre : électron, électricité ; ÉLECTRONS et oeufs.");
    const struct {
        QStringList mots;
        QList<Correspondance> trouvees;
    } cas[] = {
        {{"electr"}, {{8, 6}, {18, 6}, {32, 6}}},
        {{"electr", "electron"}, {{8, 8}, {18, 6}, {32, 8}}},
        {{"oe"}, {{0, 1}, {45, 2}}},
        {{"oeu"}, {{0, 2}, {45, 3}}},
        {{"rien"}, {}},
    };
    for (const auto& c : cas)
        EXPECT_EQ(correspondances(texte, c.mots), c.trouvees) << c.mots.join(u' ').toStdString();
}

TEST(SearchIndex, AnExcerptIsALineOfWholeWordsAroundTheMatch) {
    const QString longue = QStringLiteral(
        "Dans un métal, certains électrons ne sont liés à aucun atome : ce sont les "
        "électrons libres.\r\nSous une tension, ils se déplacent tous dans le même sens et "
        "forment le courant électrique qui traverse le circuit.");
    const struct {
        QString texte;
        std::optional<Correspondance> autour;
        QString extrait;
    } cas[] = {
        {QStringLiteral("Court\r\ntexte."), Correspondance{0, 5}, QStringLiteral("Court texte.")},
        {QStringLiteral("Un texte\vcoupé."), std::nullopt, QStringLiteral("Un texte coupé.")},
        {longue, Correspondance{24, 9},
         QStringLiteral("Dans un métal, certains électrons ne sont liés à aucun atome : ce sont "
                        "les électrons…")},
        {longue, Correspondance{174, 10},
         QStringLiteral("…déplacent tous dans le même sens et forment le courant "
                        "électrique qui traverse le circuit.")},
        {QString(), std::nullopt, QString()},
    };
    for (const auto& c : cas)
        EXPECT_EQ(extrait(c.texte, c.autour), c.extrait) << c.extrait.toStdString();
}

} // namespace
