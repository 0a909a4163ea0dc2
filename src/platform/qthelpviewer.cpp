#include "platform/qthelpviewer.h"

#include "platform/qtprocesses.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

bool QtHelpViewer::showContents(const QString& helpFile) {
    const QString viewer = QStringLiteral("helpviewer");
    const QFileInfo beside(QDir(QCoreApplication::applicationDirPath()), viewer);
    const QString path = beside.isFile() && beside.isExecutable() ? beside.absoluteFilePath()
                                                                  : locateProgram(viewer);
    return !path.isEmpty() && QProcess::startDetached(path, {helpFile});
}
