#pragma once

#include "platform/platform.h"
#include "platform/testing/fakedesktopwindows.h"
#include "platform/testing/fakedrives.h"
#include "platform/testing/fakeevents.h"
#include "platform/testing/fakefiles.h"
#include "platform/testing/fakehelpviewer.h"
#include "platform/testing/fakemediacontrol.h"
#include "platform/testing/fakemessages.h"
#include "platform/testing/fakemodalwindows.h"
#include "platform/testing/fakeprocesses.h"
#include "platform/testing/fakescreen.h"

#include <QTemporaryDir>

// The scripted platform: its application directory is a fresh temporary folder.
class FakePlatform {
public:
    FakePlatform() : files(appDir.path()) {}

    Platform platform() {
        return {messages, modalWindows, events,       screen,         processes,
                files,    drives,       mediaControl, desktopWindows, helpViewer};
    }
    QString appPath(const QString& name) const { return appDir.filePath(name); }

    QTemporaryDir appDir;
    FakeMessages messages;
    FakeModalWindows modalWindows;
    FakeEvents events;
    FakeScreen screen;
    FakeProcesses processes;
    FakeFiles files;
    FakeDrives drives;
    FakeMediaControl mediaControl;
    FakeDesktopWindows desktopWindows;
    FakeHelpViewer helpViewer;
};
