#include "platform/qtprocesses.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <cstdlib>

QString locateProgram(const QString& program) {
    if (program.isEmpty())
        return {};
    if (program.contains(u'/'))
        return program;
    const QFileInfo here(QDir::current(), program);
    if (here.isFile() && here.isExecutable())
        return here.absoluteFilePath();
    return QStandardPaths::findExecutable(program);
}

qint64 QtProcesses::start(const QString& program, const QStringList& arguments, WindowStyle) {
    const QString path = locateProgram(program);
    if (path.isEmpty())
        return 0;
    qint64 pid = 0;
    if (!QProcess::startDetached(path, arguments, QString(), &pid))
        return 0;
    return pid;
}

void QtProcesses::endProgram() {
    std::exit(0);
}
