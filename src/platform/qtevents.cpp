#include "platform/qtevents.h"

#include <QCoreApplication>

void QtEvents::processPending() {
    QCoreApplication::processEvents();
}
