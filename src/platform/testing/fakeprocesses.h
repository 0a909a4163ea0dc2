#pragma once

#include "platform/processes.h"

#include <QList>
#include <QSet>

// Thrown where the real program would end; a test catches it.
struct ProgramEnded {};

class FakeProcesses : public Processes {
public:
    struct Start {
        QString program;
        QStringList arguments;
        WindowStyle style;
    };

    qint64 start(const QString& program, const QStringList& arguments, WindowStyle style) override {
        started.append({program, arguments, style});
        return failing.contains(program) ? 0 : nextTask++;
    }
    bool activate(qint64 task) override {
        activated.append(task);
        return task != 0 && !ended.contains(task);
    }
    [[noreturn]] void endProgram() override { throw ProgramEnded{}; }

    QList<Start> started;
    QSet<QString> failing; // programs whose start fails
    QList<qint64> activated;
    QSet<qint64> ended; // tasks whose windows are gone
    qint64 nextTask = 1001;
};
