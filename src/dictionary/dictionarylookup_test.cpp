#include "common/recordfile.h"
#include "dictionary/dictionarylookup.h"
#include "dictionary/dictionarystate.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <utility>

namespace {

// Writes the (keyword, page) pairs in order and returns finDico.
int writeEntries(const QString& path, const std::vector<std::pair<QString, QString>>& entries) {
    writeRecord(path, 1, signatureDico);
    int record = 2;
    for (const auto& [motCle, cle] : entries) {
        writeRecord(path, record++, motCle);
        writeRecord(path, record++, cle);
    }
    return record - 2;
}

class DictionaryLookup : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("GLX.DIC");
    int finDico = writeEntries(path, {{"atome", "A"},
                                      {"Atome", "B"},
                                      {"atome", "C"},
                                      {"noyau", "C"},
                                      {"noyau", "D"},
                                      {"atome", "C"},
                                      {"lumière", "E"},
                                      {"noyau", "A"}});
};

} // namespace

TEST_F(DictionaryLookup, PagesOfAKeywordComeInFileOrderComparedExactly) {
    EXPECT_EQ(pagesOfKeyword(path, finDico, "atome"), (QStringList{"A", "C", "C"}));
    EXPECT_EQ(pagesOfKeyword(path, finDico, "Atome"), (QStringList{"B"}));
    EXPECT_TRUE(pagesOfKeyword(path, finDico, "atome ").isEmpty());
    // Entries past finDico are not the dictionary's.
    EXPECT_EQ(pagesOfKeyword(path, 2, "noyau"), QStringList{});
    EXPECT_TRUE(pagesOfKeyword(dir.filePath("absent.DIC"), finDico, "atome").isEmpty());
}

TEST_F(DictionaryLookup, KeywordsOfAPageComeInFileOrderUpToTheLimit) {
    EXPECT_EQ(keywordsOfPage(path, finDico, "C"), (QStringList{"atome", "noyau", "atome"}));
    EXPECT_EQ(keywordsOfPage(path, finDico, "C", 2), (QStringList{"atome", "noyau"}));
    EXPECT_TRUE(keywordsOfPage(path, finDico, "Z").isEmpty());
}

TEST_F(DictionaryLookup, RelatedPagesAreEachListedOnceAtTheirFirstEntry) {
    struct Case {
        const char* page;
        QStringList related;
    };
    const Case cases[] = {
        // C shares "atome" with A and "noyau" with D and A; A comes once, first.
        {"C", {"A", "C", "D"}},
        {"B", {"B"}},
        {"E", {"E"}},
        {"Z", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pagesLiees(path, finDico, c.page), c.related) << c.page;
}

TEST(DisplayForm, DropsTheLeadingSectionNumber) {
    const std::pair<const char*, const char*> cases[] = {
        {"12.3 Les atomes", "Les atomes"},
        {"1.1. Les atomes", " Les atomes"},
        {"Les 3 lois", "lois"},
        {"Chapitre 3. Atomes", " Atomes"},
        {"Vidéo : la chute", "Vidéo : la chute"},
        {"Mesure 3", "Mesure 3"},
        {"3 ", ""},
        {"", ""},
    };
    for (const auto& [cle, affiche] : cases)
        EXPECT_EQ(titreAffiche(QString::fromUtf8(cle)), QString::fromUtf8(affiche)) << cle;
}
