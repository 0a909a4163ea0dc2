#pragma once

#include <QList>
#include <QString>

// The desktop's top-level windows, whoever owns them, and the request that asks one
// to close as if its user had closed it.
class DesktopWindows {
public:
    struct Window {
        quint64 id = 0;
        QString title;
        QString program; // the executable its owning process runs; empty when unknown
    };

    virtual ~DesktopWindows() = default;

    // In window order, the frontmost first; windows without a title are left out.
    virtual QList<Window> topLevelWindows() = 0;
    // Posted without waiting; false when the request could not be sent.
    virtual bool postQuit(quint64 window) = 0;
};
