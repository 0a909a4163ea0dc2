#pragma once

#include <QString>
#include <QStringList>

// Programs started by the system are never waited for.
class Processes {
public:
    enum class WindowStyle { NormalFocus, MinimisedFocus, MaximisedFocus };

    virtual ~Processes() = default;

    // Starts a program without a shell, arguments as a list. A bare name (no
    // directory part) is looked for in the running program's own directory, then in
    // the current directory, then on the search path. Returns the task id, or 0 when
    // the program could not be started.
    virtual qint64 start(const QString& program, const QStringList& arguments,
                         WindowStyle style) = 0;

    // Brings the windows of a started task to the front; false when it has none (the
    // task ended, or 0).
    virtual bool activate(qint64 task) = 0;

    // Ends the program at once: no confirmation, no closing window.
    [[noreturn]] virtual void endProgram() = 0;
};
