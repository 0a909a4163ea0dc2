// The demo help viewer, started by the navigator's help button with the path of a
// help file: the file's topics with a table of contents and a search field (format:
// helpfile.h). It notes its start in companions.log beside it, as the other
// stand-ins do.

#include "common/windowsystem.h"
#include "helpfile.h"
#include "helpwindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

int main(int argc, char** argv) {
    preferX11InWaylandSession();
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    QFile log(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("companions.log")));
    if (log.open(QIODevice::Append | QIODevice::Text))
        log.write((QStringList{QStringLiteral("helpviewer")} + arguments)
                      .join(u' ')
                      .append(u'\n')
                      .toUtf8());
    log.close();

    const QString path = arguments.value(0);
    HelpWindow window(readHelpFile(path), QFileInfo(path).absolutePath());
    window.show();
    return app.exec();
}
