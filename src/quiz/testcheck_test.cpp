#include "common/recordfile.h"
#include "quiz/testcheck.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

namespace {

const QString document =
    QStringLiteral("#RP-01\r\nUn\r\n#-o-O-o-#\r\n#RP-02\r\nDeux\r\n#-o-O-o-#\r\n");

class CheckTest : public ::testing::Test {
protected:
    // A sound two-question test, then the records a case changes.
    QStringList check(const std::map<int, QString>& changes,
                      const std::optional<QString>& text = document) {
        std::map<int, QString> records = {{1, "TEST GL"},
                                          {2, "TC01.rtf"},
                                          {3, "2"},
                                          {5, "1"},
                                          {6, "3"},
                                          {9, "c2"},
                                          {10, "c1"},
                                          {11, "c0"},
                                          {12, "2"},
                                          {13, "ref"},
                                          {15, "3"},
                                          {16, "electron"},
                                          {17, "L'électron."},
                                          {23, "ref"}};
        for (const auto& [record, value] : changes)
            records[record] = value;
        const QString path = QDir(dir_.path()).filePath("TC01.GLT");
        QFile::remove(path);
        for (const auto& [record, value] : records)
            EXPECT_TRUE(writeRecord(path, record, value));
        return checkTest(path, text);
    }

private:
    QTemporaryDir dir_;
};

TEST_F(CheckTest, ASoundTestHasNoFault) {
    EXPECT_EQ(check({}), QStringList());
}

TEST_F(CheckTest, EachFaultIsReportedWithItsQuestion) {
    const struct {
        std::map<int, QString> changes;
        const char* fault;
    } cases[] = {
        {{{1, "TEST GL "}}, "the signature is not \"TEST GL\""},
        {{{3, "0"}}, "question count \"0\" is outside 1..100"},
        {{{3, "101"}}, "question count \"101\" is outside 1..100"},
        {{{6, "6"}}, "question 1: choice count \"6\" is outside 1..5"},
        {{{6, ""}}, "question 1: choice count \"\" is outside 1..5"},
        {{{6, "%2"}}, "question 1: choice count \"%2\" is outside 1..5"},
        {{{12, "3"}}, "question 1: expected answer 3 names no choice of the 3 shown"},
        {{{12, "-1"}}, "question 1: expected answer -1 names no choice of the 3 shown"},
        {{{5, "2"}, {12, "1001"}},
         "question 1: expected answer 1001 names choice 3 beyond the 3 shown"},
        {{{5, "2"}, {12, "12"}},
         "question 1: expected answer 12 is not a sum of powers of ten (digits 0 and 1 only)"},
        {{{16, ""}}, "question 2: the key word is empty: no answer can be right"},
        {{{16, " "}}, "question 2: the key word is empty: no answer can be right"},
        {{{16, "Électron"}},
         "question 2: key word \"Électron\" is not in folded form, so no answer can match it: "
         "write \"electron\""},
        {{{16, "aller-retour"}},
         "question 2: key word \"aller-retour\" is not in folded form, so no answer can match "
         "it: write \"allerretour\""},
        {{{15, "4"}}, "question 2: kind \"4\" is not 1, 2 or 3"},
    };
    for (const auto& c : cases) {
        const QStringList faults = check(c.changes);
        EXPECT_TRUE(faults.contains(QString::fromUtf8(c.fault)))
            << c.fault << "\n got: " << faults.join(u'\n').toStdString();
    }
}

TEST_F(CheckTest, KeyWordsThatFoldToThemselvesAreAccepted) {
    for (const char* motCle : {"ELECTRON", "bâton", "3", "c estadire"})
        EXPECT_EQ(check({{16, QString::fromUtf8(motCle)}}), QStringList()) << motCle;
}

TEST_F(CheckTest, StatementMarkersAreLookedForInTheDocument) {
    EXPECT_EQ(check({}, QStringLiteral("#RP-01\r\nUn\r\n#-o-O-o-#\r\n#RP-02\r\nDeux")),
              QStringList{"question 2: no statement between #RP-02 and #-o-O-o-# in \"TC01.rtf\""});
    EXPECT_EQ(check({}, std::nullopt),
              QStringList{"question document \"TC01.rtf\" cannot be loaded"});
}

TEST_F(CheckTest, TheDocumentIsLoadedFromTheApplicationDirectory) {
    QTemporaryDir app;
    const QString testPath = QDir(app.path()).filePath("TC01.GLT");
    for (const auto& [record, value] : std::map<int, QString>{{1, "TEST GL"},
                                                              {2, "TC01.rtf"},
                                                              {3, "2"},
                                                              {5, "3"},
                                                              {6, "electron"},
                                                              {15, "3"},
                                                              {16, "proton"}})
        ASSERT_TRUE(writeRecord(testPath, record, value));
    EXPECT_EQ(checkTestInApplication(app.path(), "TC01.GLT"),
              QStringList{"question document \"TC01.rtf\" cannot be loaded"});

    QFile rtf(QDir(app.path()).filePath("TC01.rtf"));
    ASSERT_TRUE(rtf.open(QIODevice::WriteOnly));
    rtf.write("{\\rtf1\\ansi #RP-01\\par Un\\par #-o-O-o-#\\par #RP-02\\line Deux#-o-O-o-#}");
    rtf.close();
    EXPECT_EQ(checkTestInApplication(app.path() + "/", "TC01.GLT"), QStringList());

    ASSERT_TRUE(rtf.open(QIODevice::WriteOnly));
    rtf.write("{\\rtf1\\ansi #RP-01\\par Un\\par #-o-O-o-#\\par #RP-02#-o-O-o-#}");
    rtf.close();
    EXPECT_EQ(checkTestInApplication(app.path(), "TC01.GLT"),
              QStringList{"question 2: no statement between #RP-02 and #-o-O-o-# in \"TC01.rtf\""});
}

TEST_F(CheckTest, AMissingFileIsReportedOnce) {
    EXPECT_EQ(checkTest(QStringLiteral("/nonexistent/TC01.GLT"), document),
              QStringList{"the signature is not \"TEST GL\""});
}

} // namespace
