#include "common/recordfile.h"
#include "tools/coursepack/build.h"
#include "tools/coursepack/coursesource.h"
#include "tools/coursepack/recordlayout.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString fixture = QStringLiteral(FIXTURE_COURSE);

struct CommandRun {
    int exitCode;
    QString out;
    QString err;
};

CommandRun coursepack(const QStringList& arguments) {
    QProcess p;
    p.start(QStringLiteral(COURSEPACK_EXE), arguments);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

TEST(BuildCourse, TheFixtureRoundTripsThroughItsRecordFiles) {
    QTemporaryDir out;
    const BuildResult result = buildCourse(fixture, out.path());
    ASSERT_TRUE(result.errors.isEmpty()) << result.errors.join(u'\n').toStdString();

    const Course source = readCourseSource(fixture).course;
    const QDir app(out.path());
    EXPECT_EQ(readRecord(app.filePath("GLXNOV.glb"), 1), QStringLiteral("BASE GL"));
    EXPECT_EQ(readPages(app.filePath("GLXNOV.glb")), source.pages);
    EXPECT_EQ(readDictionary(app.filePath("GLX.DIC")), source.dictionary);
    for (auto it = source.tests.cbegin(); it != source.tests.cend(); ++it)
        EXPECT_EQ(readTest(app.filePath(it.key())), it.value()) << it.key().toStdString();

    EXPECT_TRUE(QFile::exists(app.filePath("couverture.jpg")));
    EXPECT_TRUE(QFile::exists(app.filePath("CDCOUV.BMP")));
    EXPECT_EQ(readRecord(app.filePath("TEMPO.GXS"), 22), QStringLiteral("2.01"));
}

TEST(BuildCourse, QuestionRecordsFollowTheTestLayout) {
    QTemporaryDir out;
    TestSource test{QStringLiteral("q.rtf"), QStringLiteral("3"), {}};
    test.questions.append(QuestionSource{});
    test.questions.append(QuestionSource{});
    test.questions.append(
        QuestionSource{QStringLiteral("1"),
                       {QStringLiteral("c0"), QStringLiteral("c1"), QStringLiteral("c2"),
                        QStringLiteral("c3"), QStringLiteral("c4")},
                       QStringLiteral("5"),
                       QStringLiteral("4"),
                       {},
                       {},
                       QStringLiteral("ref"),
                       QStringLiteral("pic.jpg")});
    const QString path = out.filePath("TC03.GLT");
    ASSERT_EQ(writeTest(path, test), QString());
    EXPECT_EQ(readRecord(path, 25), QStringLiteral("1"));
    EXPECT_EQ(readRecord(path, 26), QStringLiteral("5"));
    EXPECT_EQ(readRecord(path, 27), QStringLiteral("c4"));
    EXPECT_EQ(readRecord(path, 31), QStringLiteral("c0"));
    EXPECT_EQ(readRecord(path, 32), QStringLiteral("4"));
    EXPECT_EQ(readRecord(path, 33), QStringLiteral("ref"));
    EXPECT_EQ(readRecord(path, 34), QStringLiteral("pic.jpg"));
}

TEST(CoursepackCommand, BuildsThenDumpsEveryKindOfRecordFile) {
    QTemporaryDir out;
    const CommandRun build = coursepack({QStringLiteral("build"), fixture, out.path()});
    ASSERT_EQ(build.exitCode, 0) << build.err.toStdString();
    EXPECT_TRUE(build.err.contains(QStringLiteral("warning: chute.avi")))
        << build.err.toStdString();

    const CommandRun pages = coursepack({QStringLiteral("dump"), out.filePath("GLXNOV.glb")});
    EXPECT_EQ(pages.exitCode, 0);
    EXPECT_TRUE(pages.out.contains(QStringLiteral("page 1 (records 10..19)")));
    EXPECT_TRUE(pages.out.contains(QStringLiteral("  0 cle: \"1.1. Les atomes\"")));
    EXPECT_TRUE(pages.out.contains(QStringLiteral("\"Une page\\rcourte\"")));

    const CommandRun dictionary = coursepack({QStringLiteral("dump"), out.filePath("GLX.DIC")});
    EXPECT_TRUE(
        dictionary.out.contains(QStringLiteral("entry 1: \"atome\" -> \"1.1. Les atomes\"")));

    const CommandRun test = coursepack({QStringLiteral("dump"), out.filePath("TC01.GLT")});
    EXPECT_TRUE(test.out.contains(
        QStringLiteral("question 2 (records 15..24) nature \"2\" multiple choice")));
    EXPECT_TRUE(test.out.contains(QStringLiteral("  choix 2: \"le neutron\"")));

    const CommandRun flags = coursepack({QStringLiteral("dump"), out.filePath("TEMPO.GXS")});
    EXPECT_TRUE(flags.out.contains(QStringLiteral("22: \"2.01\""))) << flags.out.toStdString();
}

TEST(CoursepackCommand, BadSourceOrUsageExitsNonZero) {
    QTemporaryDir source;
    QDir(source.path()).mkpath("pages");
    QFile page(source.filePath("pages/p.toml"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("[[page]]\ncle = \"\xe4\xb8\x80\"\n");
    page.close();
    QTemporaryDir out;

    const CommandRun bad = coursepack({QStringLiteral("build"), source.path(), out.path()});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("p.toml:2: cle:"))) << bad.err.toStdString();
    EXPECT_FALSE(QFile::exists(out.filePath("GLXNOV.glb")));

    EXPECT_EQ(coursepack({QStringLiteral("dump"), out.filePath("absent")}).exitCode, 1);
    EXPECT_EQ(coursepack({QStringLiteral("frobnicate")}).exitCode, 2);
}

} // namespace
