#include "platform/qtprocesses.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class CurrentDirectory {
public:
    explicit CurrentDirectory(const QString& path) : previous_(QDir::currentPath()) {
        QDir::setCurrent(path);
    }
    ~CurrentDirectory() { QDir::setCurrent(previous_); }

private:
    QString previous_;
};

TEST(LocateProgram, LooksInTheCurrentDirectoryBeforeTheSearchPath) {
    QTemporaryDir dir;
    const QString local = dir.filePath(QStringLiteral("true"));
    QFile f(local);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\n");
    f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
    f.close();

    CurrentDirectory here(dir.path());
    EXPECT_EQ(locateProgram(QStringLiteral("true")), local);
    const QString shell = locateProgram(QStringLiteral("sh"));
    EXPECT_TRUE(shell.endsWith(QStringLiteral("/sh")) && !shell.startsWith(dir.path()))
        << shell.toStdString();
    EXPECT_EQ(locateProgram(QStringLiteral("no-such-program.exe")), QString());
    EXPECT_EQ(locateProgram(QStringLiteral("/x/y.exe")), QStringLiteral("/x/y.exe"));
}

TEST(QtProcesses, StartingAMissingProgramFailsWithTaskZero) {
    QtProcesses processes;
    EXPECT_EQ(processes.start(QStringLiteral("no-such-program.exe"), {},
                              Processes::WindowStyle::NormalFocus),
              0);
    EXPECT_GT(processes.start(QStringLiteral("true"), {}, Processes::WindowStyle::NormalFocus), 0);
}

} // namespace

TEST(QtProcesses, ATaskWithoutWindowsIsNotActivated) {
    QtProcesses processes;
    EXPECT_FALSE(processes.activate(0));
    EXPECT_FALSE(processes.activate(QCoreApplication::applicationPid())); // offscreen: no window
}
