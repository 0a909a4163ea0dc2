#include "search/folding.h"

#include <gtest/gtest.h>

namespace {

struct CasPliage {
    const char* texte;
    const char* plie;
};

TEST(Folding, CaseAndAccentsFoldAsAFrenchReaderReadsThem) {
    const CasPliage cas[] = {
        {"Électron", "electron"},   {"élève", "eleve"},
        {"fête", "fete"},           {"Noël", "noel"},
        {"À là", "a la"},           {"pâte", "pate"},
        {"Façon", "facon"},         {"île maïs", "ile mais"},
        {"hôte", "hote"},           {"où bûche aigüe", "ou buche aigue"},
        {"Œuf cœur", "oeuf coeur"}, {"Æther", "aether"},
        {"pH 7,5", "ph 7,5"},       {"", ""},
    };
    for (const CasPliage& c : cas)
        EXPECT_EQ(folding::plier(QString::fromUtf8(c.texte)), QString::fromUtf8(c.plie)) << c.texte;
}

TEST(Folding, EveryFoldedCharacterKnowsWhereItComesFrom) {
    const folding::TexteReplie replie = folding::replier(QStringLiteral("cœur é"));
    EXPECT_EQ(replie.texte, "coeur e");
    EXPECT_EQ(replie.origines, (QList<int>{0, 1, 1, 2, 3, 4, 5}));
}

TEST(Folding, WordsAreRunsOfLettersAndDigitsWithTheirPlaces) {
    const QList<folding::Mot> mots = folding::mots(QStringLiteral("L'électron, 2 Œufs\r\n(pH)"));
    QStringList plies;
    QList<std::pair<int, int>> places;
    for (const folding::Mot& mot : mots) {
        plies.append(mot.plie);
        places.append({mot.debut, mot.longueur});
    }
    EXPECT_EQ(plies, (QStringList{"l", "electron", "2", "oeufs", "ph"}));
    EXPECT_EQ(places, (QList<std::pair<int, int>>{{0, 1}, {2, 8}, {12, 1}, {14, 4}, {21, 2}}));
}

TEST(Folding, TheTypedWordsAreFoldedOnceEach) {
    const struct {
        const char* saisie;
        QStringList mots;
    } cas[] = {
        {"électr", {"electr"}},
        {"  Électron  ELECTRON électron ", {"electron"}},
        {"loi d'Avogadro", {"loi", "d", "avogadro"}},
        {" , ; ", {}},
    };
    for (const auto& c : cas)
        EXPECT_EQ(folding::motsRecherches(QString::fromUtf8(c.saisie)), c.mots) << c.saisie;
}

} // namespace
