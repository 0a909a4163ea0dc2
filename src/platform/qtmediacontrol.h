#pragma once

#include "platform/mediacontrol.h"

#include <QPointer>
#include <memory>

class QMediaPlayer;
class QVideoWidget;

// QMediaPlayer drawing into a QVideoWidget laid over the display window. Nothing is
// created before the first "Open", so a start-up that only closes stays light.
class QtMediaControl : public MediaControl {
public:
    QtMediaControl();
    ~QtMediaControl() override;

    void setFileName(const QString& fileName) override;
    void setDisplayWindow(QWidget* window) override;
    bool send(Command command) override;

private:
    bool open();
    void close();

    QString fileName_;
    QPointer<QWidget> window_;
    std::unique_ptr<QMediaPlayer> player_;
    QPointer<QVideoWidget> video_;
};
