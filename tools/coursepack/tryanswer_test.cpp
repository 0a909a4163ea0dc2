#include "tools/coursepack/tryanswer.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

QString tried(const char* motCle, const char* answer, bool expectRight) {
    QString text;
    QTextStream out(&text);
    EXPECT_EQ(tryAnswer(QString::fromUtf8(motCle), QString::fromUtf8(answer), out), expectRight)
        << motCle << " / " << answer;
    out.flush();
    return text;
}

TEST(TryAnswer, PrintsTheFoldedAnswerAndTheJudgement) {
    EXPECT_EQ(tried("electron", "Les Électrons !", true),
              "folded answer: \"les electrons  \"\nright\n");
    EXPECT_EQ(tried("cheval", "des chevaux", false), "folded answer: \"des chevaux\"\nwrong\n");
    EXPECT_EQ(tried("", "tout", false), "folded answer: \"tout\"\nwrong\n");
}

TEST(TryAnswer, WarnsOfAKeyWordNoAnswerCanMatch) {
    EXPECT_EQ(tried("électron", "électron", false),
              QString::fromUtf8("folded answer: \"electron\"\nnote: the key word is not in "
                                "folded form, write \"electron\"\nwrong\n"));
}

TEST(TryAnswer, TheCommandExitsZeroOnlyForARightAnswer) {
    QProcess p;
    p.start(QStringLiteral(COURSEPACK_EXE), {QStringLiteral("try"), QStringLiteral("c estadire"),
                                             QString::fromUtf8("C'est-à-dire")});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardOutput()),
              "folded answer: \"c estadire\"\nright\n");

    p.start(QStringLiteral(COURSEPACK_EXE),
            {QStringLiteral("try"), QStringLiteral("oxydant"), QStringLiteral("reducteur")});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 1);
}

} // namespace
