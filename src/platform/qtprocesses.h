#pragma once

#include "platform/processes.h"

// Window styles are the started program's own business on X11: they are accepted
// and not enforced. A task is its process id; its windows are the top-level windows
// whose _NET_WM_PID names it.
class QtProcesses : public Processes {
public:
    qint64 start(const QString& program, const QStringList& arguments, WindowStyle style) override;
    bool activate(qint64 task) override;
    [[noreturn]] void endProgram() override;
};

// Where a bare program name is found: the running program's own directory first (a
// program started from a desktop menu runs in some other directory), then the
// current directory, then the search path. A name with a directory part is returned
// as it is. Empty when not found.
QString locateProgram(const QString& program);
