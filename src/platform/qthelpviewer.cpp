#include "platform/qthelpviewer.h"

#include "platform/qtprocesses.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

bool QtHelpViewer::showContents(const QString& helpFile) {
    if (processes_.activate(viewer_))
        return true;
    const QString viewer = QStringLiteral("helpviewer");
    const QFileInfo beside(QDir(QCoreApplication::applicationDirPath()), viewer);
    const QString path = beside.isFile() && beside.isExecutable() ? beside.absoluteFilePath()
                                                                  : locateProgram(viewer);
    viewer_ = path.isEmpty()
                  ? 0
                  : processes_.start(path, {helpFile}, Processes::WindowStyle::NormalFocus);
    return viewer_ != 0;
}
