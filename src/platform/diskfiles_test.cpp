#include "platform/diskfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void touch(const QString& path, const QByteArray& content = "x") {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

TEST(DiskFiles, ResolvesExactPathsFirstThenIgnoringCaseComponentByComponent) {
    QTemporaryDir dir;
    const QString root = dir.path();
    touch(root + "/GLXDATA/Photo.JPG");
    touch(root + "/exact.rtf");
    touch(root + "/EXACT.RTF");
    DiskFiles files;

    EXPECT_EQ(files.resolve(root + "/exact.rtf"), root + "/exact.rtf");
    EXPECT_EQ(files.resolve(root + "/EXACT.RTF"), root + "/EXACT.RTF");
    EXPECT_EQ(files.resolve(root + "/glxdata/photo.jpg"), root + "/GLXDATA/Photo.JPG");
    EXPECT_TRUE(files.exists(root + "/GlxData"));
    EXPECT_FALSE(files.exists(root + "/glxdata/other.jpg"));
    EXPECT_FALSE(files.exists(root + "/nowhere/photo.jpg"));
    EXPECT_FALSE(files.exists(QString()));
}

TEST(DiskFiles, CopyReplacesAnExistingFileAndProgramsCanBeMadeExecutable) {
    QTemporaryDir dir;
    touch(dir.filePath("source.exe"), "new");
    touch(dir.filePath("copy.exe"), "old");
    DiskFiles files;

    ASSERT_TRUE(files.copy(dir.filePath("source.exe"), dir.filePath("copy.exe")));
    QFile copy(dir.filePath("copy.exe"));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), "new");
    EXPECT_FALSE(files.copy(dir.filePath("missing.exe"), dir.filePath("copy.exe")));

    ASSERT_TRUE(files.makeExecutable(dir.filePath("copy.exe")));
    EXPECT_TRUE(QFileInfo(dir.filePath("copy.exe")).isExecutable());
}

} // namespace
