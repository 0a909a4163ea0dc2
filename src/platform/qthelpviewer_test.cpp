#include "platform/qthelpviewer.h"
#include "platform/testing/fakeprocesses.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A stand-in viewer program in the current directory, where a bare name is found.
class ViewerProgram {
public:
    ViewerProgram() : previous_(QDir::currentPath()) {
        QFile program(dir_.filePath(QStringLiteral("helpviewer")));
        program.open(QIODevice::WriteOnly);
        program.write("#!/bin/sh\n");
        program.setPermissions(program.permissions() | QFileDevice::ExeOwner);
        program.close();
        QDir::setCurrent(dir_.path());
    }
    ~ViewerProgram() { QDir::setCurrent(previous_); }

    QString path() const { return dir_.filePath(QStringLiteral("helpviewer")); }

private:
    QTemporaryDir dir_;
    QString previous_;
};

TEST(QtHelpViewer, ASecondRequestBringsTheOpenViewerToTheFrontAndAClosedOneIsStartedAgain) {
    const ViewerProgram program;
    FakeProcesses processes;
    QtHelpViewer help(processes);
    const QString file = QStringLiteral("/app/GLX.hlp");

    EXPECT_TRUE(help.showContents(file));
    ASSERT_EQ(processes.started.size(), 1);
    EXPECT_EQ(processes.started[0].program, program.path());
    EXPECT_EQ(processes.started[0].arguments, QStringList{file});
    const qint64 viewer = processes.nextTask - 1;

    EXPECT_TRUE(help.showContents(file));
    EXPECT_EQ(processes.started.size(), 1) << "no second viewer";
    EXPECT_EQ(processes.activated.last(), viewer);

    processes.ended.insert(viewer);
    EXPECT_TRUE(help.showContents(file));
    EXPECT_EQ(processes.started.size(), 2) << "the closed viewer is opened again";
}

TEST(QtHelpViewer, AViewerThatCannotStartIsReportedAndTriedAgainNextTime) {
    const ViewerProgram program;
    FakeProcesses processes;
    processes.failing.insert(program.path());
    QtHelpViewer help(processes);

    EXPECT_FALSE(help.showContents(QStringLiteral("/app/GLX.hlp")));
    EXPECT_FALSE(help.showContents(QStringLiteral("/app/GLX.hlp")));
    EXPECT_EQ(processes.started.size(), 2);
}

} // namespace
