#include "platform/qtmediacontrol.h"

#include <QCoreApplication>
#include <QWidget>

QtMediaControl::QtMediaControl(QString modulePath) : module_(std::move(modulePath)) {}

// The device goes first; the module stays loaded until the program ends.
QtMediaControl::~QtMediaControl() = default;

QString QtMediaControl::moduleBesideProgram() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/galvane-video.so");
}

void QtMediaControl::setFileName(const QString& fileName) {
    fileName_ = fileName;
    if (device_)
        device_->setFileName(fileName);
}

void QtMediaControl::setDisplayWindow(QWidget* window) {
    window_ = window;
    if (device_)
        device_->setDisplayWindow(window);
}

void QtMediaControl::setFrom(qint64 position) {
    if (device_)
        device_->setFrom(position);
}

qint64 QtMediaControl::position() const {
    return device_ ? device_->position() : 0;
}

qint64 QtMediaControl::length() const {
    return device_ ? device_->length() : 0;
}

void QtMediaControl::setStatusUpdate(std::function<void()> notification) {
    statusUpdate_ = std::move(notification);
    if (device_)
        device_->setStatusUpdate(statusUpdate_);
}

bool QtMediaControl::loadDevice() {
    using Create = MediaControl* (*)();
    const auto create = reinterpret_cast<Create>(module_.resolve("galvane_createVideoDevice"));
    if (!create)
        return false;
    device_.reset(create());
    device_->setFileName(fileName_);
    device_->setDisplayWindow(window_);
    device_->setStatusUpdate(statusUpdate_);
    return true;
}

bool QtMediaControl::send(Command command) {
    if (!device_) {
        if (command == Command::Close)
            return true;
        if (command != Command::Open || fileName_.isEmpty() || !loadDevice())
            return false;
    }
    return device_->send(command);
}
