#pragma once

#include "platform/mediacontrol.h"

#include <QList>

// Records what the window asks of the media control.
class FakeMediaControl : public MediaControl {
public:
    void setFileName(const QString& name) override { fileName = name; }
    void setDisplayWindow(QWidget* window) override { displayWindow = window; }
    bool send(Command command) override {
        commands.append(command);
        return true;
    }

    QString fileName;
    QWidget* displayWindow = nullptr;
    QList<Command> commands;
};
