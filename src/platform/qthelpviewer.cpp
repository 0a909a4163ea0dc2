#include "platform/qthelpviewer.h"

#include "platform/qtprocesses.h"

#include <QProcess>

bool QtHelpViewer::showContents(const QString& helpFile) {
    const QString path = locateProgram(QStringLiteral("helpviewer"));
    return !path.isEmpty() && QProcess::startDetached(path, {helpFile});
}
