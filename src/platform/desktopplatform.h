#pragma once

#include "platform/diskfiles.h"
#include "platform/mountdrives.h"
#include "platform/platform.h"
#include "platform/qtevents.h"
#include "platform/qthelpviewer.h"
#include "platform/qtmediacontrol.h"
#include "platform/qtmessages.h"
#include "platform/qtmodalwindows.h"
#include "platform/qtprocesses.h"
#include "platform/qtscreen.h"
#include "platform/xdesktopwindows.h"

// The real services, built once by main() and handed down as a Platform.
class DesktopPlatform {
public:
    Platform platform() {
        return {messages_, modalWindows_, events_,       screen_,         processes_,
                files_,    drives_,       mediaControl_, desktopWindows_, helpViewer_};
    }

private:
    QtMessages messages_;
    QtModalWindows modalWindows_;
    QtEvents events_;
    QtScreen screen_;
    QtProcesses processes_;
    DiskFiles files_;
    MountDrives drives_;
    QtMediaControl mediaControl_{QtMediaControl::moduleBesideProgram()};
    XDesktopWindows desktopWindows_;
    QtHelpViewer helpViewer_{processes_};
};
