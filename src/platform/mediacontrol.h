#pragma once

#include <QString>

class QWidget;

// The multimedia control of the main window (`MMControl1`): a device opened on one
// video file and drawn into a window, driven by the device commands.
class MediaControl {
public:
    enum class Command { Open, Close, Play, Stop, Step, Pause, Back, Prev };

    virtual ~MediaControl() = default;

    virtual void setFileName(const QString& fileName) = 0;
    virtual void setDisplayWindow(QWidget* window) = 0;
    // False when the device refused the command (nothing open, unreadable file...).
    virtual bool send(Command command) = 0;
};
