// The demo help viewer, started by the navigator's help button with the path of a
// help file. A help file is Windows-1252 text: its first line is the viewer's window
// title, a line starting with "# " opens a topic, the other lines are its text. The
// viewer opens at the contents (the list of topics) followed by the topics. It notes
// its start in companions.log beside it, as the other stand-ins do.

#include "common/windows1252.h"
#include "common/windowsystem.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>

namespace {

struct Help {
    QString title;
    QString html;
};

Help read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("Aide"),
                QStringLiteral("<p>Le fichier d'aide est introuvable : %1</p>")
                    .arg(path.toHtmlEscaped())};
    const QStringList lines = windows1252::decode(file.readAll()).split(u'\n');
    QString contents = QStringLiteral("<h2>Sommaire</h2><ul>");
    QString topics;
    int topic = 0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed().toHtmlEscaped();
        if (line.startsWith(QStringLiteral("# "))) {
            ++topic;
            contents +=
                QStringLiteral("<li><a href=\"#t%1\">%2</a></li>").arg(topic).arg(line.mid(2));
            topics += QStringLiteral("<h3><a name=\"t%1\">%2</a></h3>").arg(topic).arg(line.mid(2));
        } else if (!line.isEmpty()) {
            topics += QStringLiteral("<p>%1</p>").arg(line);
        }
    }
    return {lines.value(0).trimmed(), contents + QStringLiteral("</ul>") + topics};
}

} // namespace

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

    const Help help = read(arguments.value(0));
    QTextBrowser window;
    window.setWindowTitle(help.title);
    window.setHtml(help.html);
    window.resize(480, 400);
    window.show();
    return app.exec();
}
