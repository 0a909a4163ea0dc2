#include "platform/qthelpviewer.h"

#include "platform/processes.h"

bool QtHelpViewer::showContents(const QString& helpFile) {
    if (processes_.activate(viewer_))
        return true;
    viewer_ = processes_.start(QStringLiteral("helpviewer"), {helpFile},
                               Processes::WindowStyle::NormalFocus);
    return viewer_ != 0;
}
