#include "common/recordfile.h"
#include "dictionary/dictionaryloading.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString writeDictionary(const QTemporaryDir& dir, const QStringList& keywords) {
    const QString path = dir.filePath("GLX.DIC");
    writeRecord(path, 1, signatureDico);
    int record = 2;
    for (const QString& keyword : keywords) {
        writeRecord(path, record++, keyword);
        writeRecord(path, record++, "page de " + keyword);
    }
    return path;
}

} // namespace

TEST(DictionaryLoading, ReadsKeywordsUpToTheFirstEmptyKeywordRecord) {
    QTemporaryDir dir;
    const QString path = writeDictionary(dir, {"noyau", "atome"});
    writeRecord(path, 8, "après la fin");
    EXPECT_EQ(lireMotsCles(path), (QStringList{"noyau", "atome"}));
    EXPECT_TRUE(lireMotsCles(dir.filePath("absent.DIC")).isEmpty());
}

TEST(DictionaryLoading, SortsInFrenchIgnoringCaseAndKeepsEachDistinctTextOnce) {
    struct Case {
        QStringList read;
        QStringList expected;
    };
    const Case cases[] = {
        {{}, {}},
        {{"unique"}, {"unique"}},
        {{"atome", "Atome", "atome"}, {"Atome", "atome"}},
        {{"Zinc", "électron", "eau", "Eau", "élément", "zinc", "Électron", "eau"},
         {"Eau", "eau", "Électron", "électron", "élément", "Zinc", "zinc"}},
    };
    for (const Case& c : cases) {
        const QStringList sorted = motsClesDistincts(c.read);
        // Case-insensitively the order is fixed; between texts differing only in case
        // any order will do, so compare the groups and the distinct count.
        ASSERT_EQ(sorted.size(), c.expected.size()) << c.read.join(",").toStdString();
        for (int i = 0; i < sorted.size(); ++i)
            EXPECT_EQ(sorted[i].toLower(), c.expected[i].toLower()) << i;
        EXPECT_EQ(QSet<QString>(sorted.begin(), sorted.end()).size(), sorted.size());
    }
}

TEST(DictionaryLoading, StateCountsRecordsAndMarksAnEmptyIndex) {
    DictionaryState state;
    retenirMotsCles(state, {});
    EXPECT_EQ(state.finDico, 0);
    EXPECT_EQ(state.dernierMotCle, -1);
    EXPECT_FALSE(state.aDesMotsCles());

    retenirMotsCles(state, {"seul", "seul"});
    EXPECT_EQ(state.finDico, 4);
    EXPECT_EQ(state.dernierMotCle, 0);
    EXPECT_TRUE(state.aDesMotsCles());
    EXPECT_EQ(motsClesTries(state), QStringList{"seul"});
}
