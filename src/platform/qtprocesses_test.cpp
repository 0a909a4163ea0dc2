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

// An executable script at the path, removed with the object.
class Script {
public:
    explicit Script(QString path) : path_(std::move(path)) {
        QFile f(path_);
        if (f.open(QIODevice::WriteOnly))
            f.write("#!/bin/sh\n");
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
    }
    ~Script() { QFile::remove(path_); }
    const QString& path() const { return path_; }

private:
    QString path_;
};

TEST(LocateProgram, LooksInTheProgramsOwnDirectoryThenTheCurrentOneThenTheSearchPath) {
    QTemporaryDir dir;
    CurrentDirectory here(dir.path());
    const QString own = QCoreApplication::applicationDirPath();
    const QString name = QStringLiteral("locate-%1.exe").arg(QCoreApplication::applicationPid());

    const Script local(dir.filePath(name));
    EXPECT_EQ(locateProgram(name), local.path()) << "only in the current directory";
    {
        const Script beside(QDir(own).filePath(name));
        EXPECT_EQ(locateProgram(name), beside.path()) << "in both: the program's own wins";
    }
    {
        const Script shadow(dir.filePath(QStringLiteral("sh")));
        EXPECT_EQ(locateProgram(QStringLiteral("sh")), shadow.path())
            << "the current directory comes before the search path";
    }
    const QString found = locateProgram(QStringLiteral("sh"));
    EXPECT_TRUE(found.endsWith(QStringLiteral("/sh")) && !found.startsWith(dir.path()))
        << found.toStdString();
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
