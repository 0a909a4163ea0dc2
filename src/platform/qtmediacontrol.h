#pragma once

#include "platform/mediacontrol.h"

#include <QLibrary>
#include <QPointer>
#include <memory>

// The video device, loaded from the video module (galvane-video.so beside the
// program) on the first "Open" with a file: Qt Multimedia, GStreamer and the sound
// libraries they pull in then cost nothing to a run without videos. Until then
// nothing is open: "Close" does nothing and the other commands are refused, as the
// device does; a module that cannot be loaded refuses "Open" too.
class QtMediaControl : public MediaControl {
public:
    explicit QtMediaControl(QString modulePath);
    ~QtMediaControl() override;

    void setFileName(const QString& fileName) override;
    void setDisplayWindow(QWidget* window) override;
    void setFrom(qint64 position) override;
    qint64 position() const override;
    qint64 length() const override;
    void setStatusUpdate(std::function<void()> notification) override;
    bool send(Command command) override;

    // Where the program's video module lies.
    static QString moduleBesideProgram();

private:
    bool loadDevice();

    QLibrary module_;
    std::unique_ptr<MediaControl> device_;
    QString fileName_;
    QPointer<QWidget> window_;
    std::function<void()> statusUpdate_;
};
