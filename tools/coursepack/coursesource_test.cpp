#include "tools/coursepack/coursesource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class CourseSourceTest : public ::testing::Test {
protected:
    QTemporaryDir dir;

    void file(const QString& name, const QByteArray& content) {
        const QString path = dir.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QString errors() { return readCourseSource(dir.path()).errors.join(u'\n'); }
};

TEST_F(CourseSourceTest, ReadsPagesDictionaryAndTestsInOrder) {
    file("pages/2.toml", "[[page]]\ncle = \"B\"\n");
    file("pages/1.toml", "[[page]]\ncle = \"A\"\nnumModule = 12\nstyle = \" 3\"\n"
                         "bandeau = \"Chimie-Titre\"\n");
    file("dictionary.toml", "[[entree]]\nmot = \"atome\"\npages = [\"A\", \"B\"]\n");
    file("tests/TC02.toml", "document = \"q.rtf\"\n[[question]]\nnature = 2\n"
                            "choix = [\"x\", \"y\"]\nattendu = 11\nrenvoi = \"A\"\n"
                            "[[question]]\nnature = 3\nmotCle = \"electron\"\n");

    const SourceResult result = readCourseSource(dir.path());
    ASSERT_TRUE(result.errors.isEmpty()) << result.errors.join(u'\n').toStdString();
    const Course& c = result.course;
    ASSERT_EQ(c.pages.size(), 2);
    EXPECT_EQ(c.pages[0].cle, QStringLiteral("A"));
    EXPECT_EQ(c.pages[0].numModule, QStringLiteral("12"));
    EXPECT_EQ(c.pages[0].style, QStringLiteral(" 3"));
    EXPECT_EQ(c.pages[1].cle, QStringLiteral("B"));
    EXPECT_EQ(c.dictionary, (QList<DictionaryEntry>{{"atome", "A"}, {"atome", "B"}}));
    ASSERT_TRUE(c.tests.contains(QStringLiteral("TC02.GLT")));
    const TestSource& t = c.tests[QStringLiteral("TC02.GLT")];
    EXPECT_EQ(t.nombre, QStringLiteral("2"));
    EXPECT_EQ(t.questions[0].nbChoix, QStringLiteral("2"));
    EXPECT_EQ(t.questions[0].attendu, QStringLiteral("11"));
    EXPECT_EQ(t.questions[1].motCle, QStringLiteral("electron"));
    EXPECT_EQ(namedDataFiles(c), QStringList{QStringLiteral("q.rtf")});
}

TEST_F(CourseSourceTest, RefusesTextsARecordCannotHoldNamingFileLineAndField) {
    file("pages/1.toml", "[[page]]\ncle = \"A\"\n\n[[page]]\ncle = \"B\"\nbandeau = \"α\"\n"
                         "texte = \"" +
                             QByteArray(127, 'x') + "\"\n");
    const QString e = errors();
    EXPECT_TRUE(e.contains(QStringLiteral("pages/1.toml:6: bandeau:"))) << e.toStdString();
    EXPECT_TRUE(e.contains(QStringLiteral("Windows-1252"))) << e.toStdString();
    EXPECT_TRUE(e.contains(QStringLiteral("pages/1.toml:7: texte: 127 bytes"))) << e.toStdString();
}

TEST_F(CourseSourceTest, AcceptsTheLongestTextExactly) {
    file("pages/1.toml", "[[page]]\ncle = \"" + QString(126, u'é').toUtf8() + "\"\n");
    const SourceResult result = readCourseSource(dir.path());
    EXPECT_TRUE(result.errors.isEmpty());
    EXPECT_EQ(result.course.pages[0].cle, QString(126, u'é'));
}

TEST_F(CourseSourceTest, ReportsSyntaxErrorsUnknownFieldsAndMissingKeys) {
    file("pages/1.toml", "[[page]]\ncle = \"A\"\ncouleur = 3\n[[page]]\ntexte = \"b.rtf\"\n");
    file("dictionary.toml", "[[entree]]\nmot = \"atome\"\npages = [\"A\"\n");
    file("tests/TC01.toml", "[[question]]\nnature = 4\n");
    const QString e = errors();
    EXPECT_TRUE(e.contains(QStringLiteral("pages/1.toml:3: couleur: unknown field")))
        << e.toStdString();
    EXPECT_TRUE(e.contains(QStringLiteral("pages/1.toml:4: cle:"))) << e.toStdString();
    EXPECT_TRUE(e.contains(QStringLiteral("dictionary.toml:"))) << e.toStdString();
    EXPECT_TRUE(e.contains(QStringLiteral("TC01.toml:1: nature:"))) << e.toStdString();
}

TEST_F(CourseSourceTest, AFolderWithoutPagesIsAnError) {
    EXPECT_TRUE(errors().contains(QStringLiteral("no pages/*.toml")));
    EXPECT_FALSE(readCourseSource(dir.filePath("absent")).errors.isEmpty());
}

} // namespace
