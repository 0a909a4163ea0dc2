#pragma once

#include "platform/mediacontrol.h"

#include <QPointer>
#include <memory>
#include <optional>

class QMediaPlayer;
class QVideoWidget;

// QMediaPlayer drawing into a QVideoWidget laid over the display window.
// "Stop" halts where the video is, as the device does; "Pause" pressed again resumes.
// "Open" returns once the video's length is known or loading failed, as the device's
// commands wait until done.
class QtVideoDevice : public MediaControl {
public:
    QtVideoDevice();
    ~QtVideoDevice() override;

    void setFileName(const QString& fileName) override;
    void setDisplayWindow(QWidget* window) override;
    void setFrom(qint64 position) override;
    qint64 position() const override;
    qint64 length() const override;
    void setStatusUpdate(std::function<void()> notification) override;
    bool send(Command command) override;

private:
    bool open();
    bool waitUntilLoaded();
    void close();
    void play();
    void moveBy(qint64 milliseconds);

    QString fileName_;
    QPointer<QWidget> window_;
    std::unique_ptr<QMediaPlayer> player_;
    QPointer<QVideoWidget> video_;
    std::optional<qint64> from_;
    bool paused_ = false;
    qint64 picture_ = 40; // one picture's duration, learnt from the pictures shown
    std::function<void()> statusUpdate_;
};
