#include "common/recordfile.h"
#include "quiz/testfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

namespace {

// A test file written record by record, as the tests need it.
QString writeTestFile(const QString& path, const std::map<int, QString>& records) {
    for (const auto& [record, text] : records)
        EXPECT_TRUE(writeRecord(path, record, text)) << record;
    return path;
}

TEST(OpenTest, ChapterIndexNamesTheFileWithTwoDigits) {
    QTemporaryDir dir;
    EXPECT_EQ(openTest(dir.path(), 0).path, dir.path() + "/TC01.GLT");
    EXPECT_EQ(openTest(dir.path() + "/", 18).path, dir.path() + "/TC19.GLT");
}

TEST(OpenTest, OnlyTheExactSignatureMakesATestUsable) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("TC01.GLT");
    EXPECT_FALSE(openTest(dir.path(), 0).signatureOk) << "missing file";
    EXPECT_FALSE(QFile::exists(path)) << "opening never creates the file";

    const struct {
        const char* signature;
        bool usable;
    } cases[] = {{"TEST GL", true},
                 {"TEST GL ", false},
                 {"test gl", false},
                 {"", false},
                 {"BASE GL", false}};
    for (const auto& c : cases) {
        QFile::remove(path);
        writeTestFile(path, {{1, QString::fromUtf8(c.signature)}});
        EXPECT_EQ(openTest(dir.path(), 0).signatureOk, c.usable) << c.signature;
    }
}

TEST(OpenTest, AFileTooShortForItsSignatureIsUnusable) {
    QTemporaryDir dir;
    QFile file(QDir(dir.path()).filePath("TC02.GLT"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x07\x00TES", 5);
    file.close();
    EXPECT_FALSE(openTest(dir.path(), 1).signatureOk);
}

TEST(ReadTestHeader, DocumentAndCountWithTheCountKeptWithinTheSession) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("TC01.GLT");
    const struct {
        const char* count;
        qint16 read;
    } cases[] = {{"12", 12}, {" 3", 3}, {"100", 100}, {"101", 100}, {"30000", 100},
                 {"0", 0},   {"-4", 0}, {"", 0},      {"x7", 0},    {"2.5", 2}};
    for (const auto& c : cases) {
        writeTestFile(path, {{1, "TEST GL"}, {2, "TC01.rtf"}, {3, QString::fromUtf8(c.count)}});
        const TestHeader header = readTestHeader(path);
        EXPECT_EQ(header.document, "TC01.rtf");
        EXPECT_EQ(header.nbQuestions, c.read) << c.count;
    }
    EXPECT_EQ(readTestHeader(QDir(dir.path()).filePath("absent")).nbQuestions, 0);
}

TEST(ReadQuestion, QuestionThreeOfAChoiceTestUsesRecords25To34) {
    QTemporaryDir dir;
    const QString path =
        writeTestFile(QDir(dir.path()).filePath("TC01.GLT"), {{25, "1"},
                                                              {26, "5"},
                                                              {27, "c4"},
                                                              {28, "c3"},
                                                              {29, "c2"},
                                                              {30, "c1"},
                                                              {31, "c0"},
                                                              {32, "4"},
                                                              {33, "1.1. Les atomes"},
                                                              {34, " pic.jpg"},
                                                              {35, "3"}});
    const QuestionRecord q = readQuestion(path, 3);
    EXPECT_EQ(q.nature, 1);
    EXPECT_EQ(q.nbChoix, 5);
    EXPECT_EQ(q.choix, (std::array<QString, 5>{"c0", "c1", "c2", "c3", "c4"}));
    EXPECT_EQ(q.attendu, 4);
    EXPECT_EQ(q.renvoi, "1.1. Les atomes");
    EXPECT_EQ(q.image, " pic.jpg") << "the picture name is kept as stored";
    EXPECT_TRUE(q.motCle.isEmpty());
}

TEST(ReadQuestion, OnlyTheFirstChoicesOfTheCountAreRead) {
    QTemporaryDir dir;
    const QString path = writeTestFile(
        QDir(dir.path()).filePath("TC01.GLT"),
        {{5, "2"}, {6, "3"}, {7, "c4"}, {8, "c3"}, {9, "c2"}, {10, "c1"}, {11, "c0"}, {12, "101"}});
    const QuestionRecord q = readQuestion(path, 1);
    EXPECT_EQ(q.nature, 2);
    EXPECT_EQ(q.nbChoix, 3);
    EXPECT_EQ(q.choix, (std::array<QString, 5>{"c0", "c1", "c2", "", ""}));
    EXPECT_EQ(q.attendu, 101);
}

TEST(ReadQuestion, ChoiceCountsOutOfRangeAreBroughtWithinFive) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("TC01.GLT");
    const struct {
        const char* count;
        qint16 read;
    } cases[] = {{"7", 5}, {"32767", 5}, {"-1", 0}, {"", 0}, {"0", 0}};
    for (const auto& c : cases) {
        writeTestFile(path, {{5, "1"}, {6, QString::fromUtf8(c.count)}, {11, "c0"}});
        EXPECT_EQ(readQuestion(path, 1).nbChoix, c.read) << c.count;
    }
}

TEST(ReadQuestion, ATypedAnswerReadsItsKeyWordAndModelAnswerWhereChoicesWouldBe) {
    QTemporaryDir dir;
    const QString path = writeTestFile(QDir(dir.path()).filePath("TC01.GLT"),
                                       {{15, "3"},
                                        {16, "electron"},
                                        {17, "L'électron porte une charge négative."},
                                        {21, "c0"},
                                        {22, "1"},
                                        {23, "1.1. Les atomes"}});
    const QuestionRecord q = readQuestion(path, 2);
    EXPECT_EQ(q.nature, 3);
    EXPECT_EQ(q.motCle, "electron");
    EXPECT_EQ(q.corrige, QString::fromUtf8("L'électron porte une charge négative."));
    EXPECT_EQ(q.nbChoix, 0);
    EXPECT_EQ(q.choix[0], "");
    EXPECT_EQ(q.attendu, 0);
    EXPECT_EQ(q.renvoi, "1.1. Les atomes");
}

TEST(ReadQuestion, MissingRecordsReadAsEmpty) {
    QTemporaryDir dir;
    const QString path = writeTestFile(QDir(dir.path()).filePath("TC01.GLT"), {{1, "TEST GL"}});
    for (int n : {1, 100, 3000}) {
        const QuestionRecord q = readQuestion(path, n);
        EXPECT_EQ(q.nature, 0) << n;
        EXPECT_EQ(q.nbChoix, 0);
        EXPECT_TRUE(q.renvoi.isEmpty());
        EXPECT_TRUE(q.image.isEmpty());
    }
    EXPECT_EQ(readQuestion(QDir(dir.path()).filePath("absent"), 1).nature, 0);
}

} // namespace
