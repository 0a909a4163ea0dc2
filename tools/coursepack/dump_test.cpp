#include "common/recordfile.h"
#include "tools/coursepack/dump.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(DumpTest, ShowsATestFileAsTheTestWindowReadsIt) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("TC01.GLT");
    const std::pair<int, const char*> records[] = {{1, "TEST GL"}, {2, "TC01.rtf"}, {3, "1"},
                                                   {5, "1"},       {6, "7"},        {7, "c4"},
                                                   {11, "c0"},     {12, "6"}};
    for (const auto& [record, text] : records)
        ASSERT_TRUE(writeRecord(path, record, QString::fromUtf8(text)));

    QString text;
    QTextStream out(&text);
    dumpRecordFile(path, out);
    out.flush();
    EXPECT_TRUE(text.startsWith("test, document \"TC01.rtf\", questions 1\n"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("  nbChoix: \"5\"\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("  choix 4: \"c4\"\n"));
    EXPECT_TRUE(text.contains("  attendu: \"6\"\n"));
}

TEST(DumpTest, QuestionCountsAreKeptWithinTheSession) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("TC01.GLT");
    ASSERT_TRUE(writeRecord(path, 1, "TEST GL"));
    ASSERT_TRUE(writeRecord(path, 3, "250"));
    QString text;
    QTextStream out(&text);
    dumpRecordFile(path, out);
    out.flush();
    EXPECT_TRUE(text.contains("question 100 (records 995..1004)"));
    EXPECT_FALSE(text.contains("question 101"));
}

} // namespace
