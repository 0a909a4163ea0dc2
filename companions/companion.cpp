// The demo stand-ins for the programs outside the system, one program copied under
// each name the navigator starts: the installer, the exit program, the updater and
// the nineteen simulation modules. It acts by the name it was started under and
// notes its start in companions.log beside it, so a demonstration (or a scenario)
// can see it ran.
//   DEPLOY2.EXE: writes the installed version "2.01" into record 22 of TEMPO.GXS;
//   a module:    a small window with its module's title, marked "OUI" in its record
//                of TEMPO.GXS while it is open and "NON" once closed (closing it is
//                how the navigator's shutdown ends it);
//   the others:  end at once.

#include "common/recordfile.h"
#include "common/windowsystem.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <array>

namespace {

constexpr std::array<const char*, 19> modules = {
    "ORDALIS",  "VALENS",  "SPECTRA", "REFLEXA", "TUTORKIT", "ORBITA",  "NAVIGA",
    "STRATA",   "BILANZ",  "GRAVIS",  "MOLECA",  "ALAMBIX",  "SONORIA", "FICHEX",
    "MENTORIA", "OSCILLA", "PIPETTA", "RESUMIX", "ECOLOGIA"};

// The modules' window titles, which the navigator's shutdown knows by a piece of each.
constexpr std::array<const char*, 19> titles = {
    "Ordalis", "Valens",  "Spectra", "Reflexa", "TUTORKIT",
    "Orbita",  "Naviga",  "Strata",  "Bilanz",  "Gravis",
    "Moleca",  "Alambix", "Sonoria", "Fichex",  "Mentoria, le tuteur",
    "Oscilla", "Pipetta", "Resumix", "Ecologia"};

QString beside(const QString& name) {
    return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

void note(const QString& name, const QStringList& arguments) {
    QFile log(beside(QStringLiteral("companions.log")));
    if (log.open(QIODevice::Append | QIODevice::Text))
        log.write((QStringList{name} + arguments).join(u' ').append(u'\n').toUtf8());
}

int moduleNumber(const QString& name) {
    for (int n = 0; n < int(modules.size()); ++n) {
        if (name.compare(QString::fromLatin1(modules[n]) + QStringLiteral(".EXE"),
                         Qt::CaseInsensitive) == 0)
            return n + 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    preferX11InWaylandSession();
    QApplication app(argc, argv);
    const QString name = QFileInfo(QString::fromLocal8Bit(argv[0])).fileName();
    note(name, app.arguments().mid(1));
    const QString tempo = beside(QStringLiteral("TEMPO.GXS"));
    if (name.compare(u"DEPLOY2.EXE", Qt::CaseInsensitive) == 0) {
        writeRecord(tempo, 22, QStringLiteral("2.01"));
        return 0;
    }
    const int module = moduleNumber(name);
    if (module == 0)
        return 0;
    writeRecord(tempo, module, QStringLiteral("OUI"));
    const QString title = QString::fromLatin1(titles[module - 1]);
    QLabel window(QStringLiteral("Module de démonstration ") +
                  QString::fromLatin1(modules[module - 1]));
    window.setWindowTitle(title);
    window.setMinimumSize(360, 120);
    window.setAlignment(Qt::AlignCenter);
    window.show();
    const int result = app.exec();
    writeRecord(tempo, module, QStringLiteral("NON"));
    return result;
}
