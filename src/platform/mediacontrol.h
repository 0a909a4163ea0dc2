#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

class QWidget;

// The multimedia control of the main window (`MMControl1`): a device opened on one
// video file and drawn into a window, driven by the device commands. Positions are
// in milliseconds.
class MediaControl {
public:
    enum class Command { Open, Close, Play, Stop, Step, Pause, Back, Prev };

    virtual ~MediaControl() = default;

    virtual void setFileName(const QString& fileName) = 0;
    virtual void setDisplayWindow(QWidget* window) = 0;
    // Where the next "Play" starts; later ones go on from wherever the video is.
    virtual void setFrom(qint64 position) = 0;
    virtual qint64 position() const = 0;
    virtual qint64 length() const = 0;
    // Called when the playing video reaches its end.
    virtual void setStatusUpdate(std::function<void()> notification) = 0;
    // False when the device refused the command (nothing open, unreadable file...).
    virtual bool send(Command command) = 0;
};
