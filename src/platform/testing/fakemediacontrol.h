#pragma once

#include "platform/mediacontrol.h"

#include <QStringList>
#include <optional>

// Records what the window asks of the media control, as "Open", "From 0", "Play"...
// and moves its position the way a device would: "Play" starts from the start
// position set before it, "Step" and "Back" move one picture of `picture` ms.
class FakeMediaControl : public MediaControl {
public:
    void setFileName(const QString& name) override { fileName = name; }
    void setDisplayWindow(QWidget* window) override { displayWindow = window; }
    void setFrom(qint64 position) override {
        log.append(QStringLiteral("From %1").arg(position));
        from = position;
    }
    qint64 position() const override { return at; }
    qint64 length() const override { return duration; }
    void setStatusUpdate(std::function<void()> notification) override {
        statusUpdate = std::move(notification);
    }
    bool send(Command command) override {
        static const char* const names[] = {"Open", "Close", "Play", "Stop",
                                            "Step", "Pause", "Back", "Prev"};
        log.append(QString::fromLatin1(names[int(command)]));
        if (command == Command::Play && from) {
            at = *from;
            from.reset();
        } else if (command == Command::Step) {
            at = std::min(at + picture, duration);
        } else if (command == Command::Back) {
            at = std::max<qint64>(at - picture, 0);
        } else if (command == Command::Prev) {
            at = 0;
        }
        return accepts;
    }

    QString fileName;
    QWidget* displayWindow = nullptr;
    QStringList log;
    std::optional<qint64> from;
    qint64 at = 0;
    qint64 duration = 5000;
    qint64 picture = 100;
    bool accepts = true;
    std::function<void()> statusUpdate;
};
