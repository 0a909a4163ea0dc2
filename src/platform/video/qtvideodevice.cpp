#include "platform/video/qtvideodevice.h"

#include <QAudioOutput>
#include <QEventLoop>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>
#include <QVideoFrame>
#include <QVideoSink>
#include <QVideoWidget>
#include <algorithm>

namespace {

constexpr int loadBoundMs = 5000;

} // namespace

QtVideoDevice::QtVideoDevice() = default;

QtVideoDevice::~QtVideoDevice() {
    close();
}

void QtVideoDevice::setFileName(const QString& fileName) {
    fileName_ = fileName;
}

void QtVideoDevice::setDisplayWindow(QWidget* window) {
    window_ = window;
    if (video_ && window_) {
        video_->setParent(window_);
        video_->setGeometry(window_->rect());
        video_->show();
    }
}

void QtVideoDevice::setFrom(qint64 position) {
    from_ = position;
}

qint64 QtVideoDevice::position() const {
    if (!player_)
        return 0;
    // At the end Qt may report the last picture's time; the device reports its length.
    if (player_->mediaStatus() == QMediaPlayer::EndOfMedia)
        return length();
    return player_->position();
}

qint64 QtVideoDevice::length() const {
    return player_ ? player_->duration() : 0;
}

void QtVideoDevice::setStatusUpdate(std::function<void()> notification) {
    statusUpdate_ = std::move(notification);
}

bool QtVideoDevice::open() {
    if (fileName_.isEmpty())
        return false;
    if (!player_) {
        player_ = std::make_unique<QMediaPlayer>();
        player_->setAudioOutput(new QAudioOutput(player_.get()));
        QObject::connect(player_.get(), &QMediaPlayer::mediaStatusChanged, player_.get(),
                         [this](QMediaPlayer::MediaStatus status) {
                             if (status == QMediaPlayer::EndOfMedia && statusUpdate_)
                                 statusUpdate_();
                         });
    }
    if (!video_) {
        video_ = new QVideoWidget(window_);
        QObject::connect(video_->videoSink(), &QVideoSink::videoFrameChanged, video_,
                         [this](const QVideoFrame& frame) {
                             const qint64 micros = frame.endTime() - frame.startTime();
                             if (frame.startTime() >= 0 && micros > 0)
                                 picture_ = std::max<qint64>(micros / 1000, 1);
                         });
        player_->setVideoOutput(video_);
    }
    from_.reset();
    paused_ = false;
    player_->setSource(QUrl::fromLocalFile(fileName_));
    setDisplayWindow(window_);
    return waitUntilLoaded();
}

// The first "to the end", "step" or "back" needs the length. Bounded, so that a
// pipeline that never answers cannot freeze the window.
bool QtVideoDevice::waitUntilLoaded() {
    const auto settled = [this] {
        const QMediaPlayer::MediaStatus status = player_->mediaStatus();
        return player_->error() != QMediaPlayer::NoError || status == QMediaPlayer::InvalidMedia ||
               status == QMediaPlayer::NoMedia ||
               (status != QMediaPlayer::LoadingMedia && player_->duration() > 0);
    };
    if (!settled()) {
        QEventLoop loop;
        const auto check = [&] {
            if (settled())
                loop.quit();
        };
        QObject::connect(player_.get(), &QMediaPlayer::mediaStatusChanged, &loop, check);
        QObject::connect(player_.get(), &QMediaPlayer::durationChanged, &loop, check);
        QObject::connect(player_.get(), &QMediaPlayer::errorOccurred, &loop, check);
        QTimer::singleShot(loadBoundMs, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return player_->error() == QMediaPlayer::NoError &&
           player_->mediaStatus() != QMediaPlayer::InvalidMedia;
}

void QtVideoDevice::close() {
    if (player_) {
        player_->stop();
        player_->setSource(QUrl());
    }
    delete video_;
    from_.reset();
}

void QtVideoDevice::play() {
    if (from_) {
        player_->setPosition(*from_);
        from_.reset();
    }
    player_->play();
}

void QtVideoDevice::moveBy(qint64 milliseconds) {
    paused_ = false;
    player_->pause();
    player_->setPosition(std::clamp<qint64>(position() + milliseconds, 0, length()));
}

bool QtVideoDevice::send(Command command) {
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
        paused_ = false;
        play();
        break;
    case Command::Stop:
        paused_ = false;
        player_->pause();
        break;
    case Command::Pause:
        if (paused_) {
            paused_ = false;
            player_->play();
        } else if (player_->playbackState() == QMediaPlayer::PlayingState) {
            paused_ = true;
            player_->pause();
        }
        break;
    case Command::Step:
        moveBy(picture_);
        break;
    case Command::Back:
        moveBy(-picture_);
        break;
    case Command::Prev:
        moveBy(-position());
        break;
    default:
        break;
    }
    return true;
}

// The entry point of the video module, which the navigator loads on its first video.
extern "C" Q_DECL_EXPORT MediaControl* galvane_createVideoDevice() {
    return new QtVideoDevice;
}
