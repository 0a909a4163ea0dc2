#include "common/recordfile.h"
#include "modules/flagfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class FlagFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = flagfile::path(dir.path() + u'/');

    void mark(int module, const QString& text) { ASSERT_TRUE(writeRecord(path, module, text)); }
};

TEST_F(FlagFileTest, LivesInTheApplicationDirectory) {
    EXPECT_EQ(flagfile::path(QStringLiteral("/opt/galvane/")),
              QStringLiteral("/opt/galvane/TEMPO.GXS"));
}

TEST_F(FlagFileTest, MissingFileMeansEveryModuleMayRun) {
    EXPECT_EQ(etatModules(path, 3), -1);
    EXPECT_EQ(etatModules(path, 20), -1);
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(FlagFileTest, CountsRunningModulesWhenTheAskedOneIsExactlyNon) {
    ASSERT_TRUE(reinitialiserModules(path));
    EXPECT_EQ(etatModules(path, 20), 0);

    mark(4, QStringLiteral("OUI ")); // trimmed for the count
    mark(9, QStringLiteral(" OUI"));
    mark(11, QStringLiteral("oui")); // not a mark
    EXPECT_EQ(etatModules(path, 20), 2);
    EXPECT_EQ(etatModules(path, 5), 2);
    EXPECT_EQ(etatModules(path, 4), -1);

    mark(5, QStringLiteral("NON ")); // compared untrimmed: counts as running
    EXPECT_EQ(etatModules(path, 5), -1);
}

TEST_F(FlagFileTest, ResetWritesNonIntoTheTwentyModuleRecordsOnly) {
    mark(flagfile::version, QStringLiteral("2.01"));
    mark(7, QStringLiteral("OUI"));
    ASSERT_TRUE(reinitialiserModules(path));
    for (int r = 1; r <= 20; ++r)
        EXPECT_EQ(readRecord(path, r), QStringLiteral("NON")) << r;
    EXPECT_EQ(readRecord(path, 21), QString());
    EXPECT_EQ(readRecord(path, flagfile::version), QStringLiteral("2.01"));
}

TEST_F(FlagFileTest, ShortFileGivesAnEmptyDisplayState) {
    ASSERT_TRUE(reinitialiserModules(path));
    EXPECT_EQ(readRecord(path, flagfile::etatEcran), QString());
}

} // namespace
