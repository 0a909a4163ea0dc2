#include "platform/qtmediacontrol.h"

#include <QMediaPlayer>
#include <QUrl>
#include <QVideoWidget>

QtMediaControl::QtMediaControl() = default;

QtMediaControl::~QtMediaControl() {
    close();
}

void QtMediaControl::setFileName(const QString& fileName) {
    fileName_ = fileName;
}

void QtMediaControl::setDisplayWindow(QWidget* window) {
    window_ = window;
    if (video_ && window_) {
        video_->setParent(window_);
        video_->setGeometry(window_->rect());
        video_->show();
    }
}

bool QtMediaControl::open() {
    if (fileName_.isEmpty())
        return false;
    if (!player_)
        player_ = std::make_unique<QMediaPlayer>();
    if (!video_) {
        video_ = new QVideoWidget(window_);
        player_->setVideoOutput(video_);
    }
    player_->setSource(QUrl::fromLocalFile(fileName_));
    setDisplayWindow(window_);
    return player_->error() == QMediaPlayer::NoError;
}

void QtMediaControl::close() {
    if (player_) {
        player_->stop();
        player_->setSource(QUrl());
    }
    delete video_;
}

bool QtMediaControl::send(Command command) {
    switch (command) {
    case Command::Open:
        return open();
    case Command::Close:
        close();
        return true;
    default:
        break;
    }
    if (!player_ || player_->source().isEmpty())
        return false;
    switch (command) {
    case Command::Play:
        player_->play();
        return true;
    case Command::Stop:
        player_->stop();
        return true;
    case Command::Pause:
        player_->pause();
        return true;
    default:
        return false; // the stepping commands come with the video player
    }
}
