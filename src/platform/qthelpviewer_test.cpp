#include "platform/qthelpviewer.h"
#include "platform/testing/fakeprocesses.h"

#include <gtest/gtest.h>

namespace {

TEST(QtHelpViewer, ASecondRequestBringsTheOpenViewerToTheFrontAndAClosedOneIsStartedAgain) {
    FakeProcesses processes;
    QtHelpViewer help(processes);
    const QString file = QStringLiteral("/app/GLX.hlp");

    EXPECT_TRUE(help.showContents(file));
    ASSERT_EQ(processes.started.size(), 1);
    EXPECT_EQ(processes.started[0].program, QStringLiteral("helpviewer"));
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
    FakeProcesses processes;
    processes.failing.insert(QStringLiteral("helpviewer"));
    QtHelpViewer help(processes);

    EXPECT_FALSE(help.showContents(QStringLiteral("/app/GLX.hlp")));
    EXPECT_FALSE(help.showContents(QStringLiteral("/app/GLX.hlp")));
    EXPECT_EQ(processes.started.size(), 2);
}

} // namespace
