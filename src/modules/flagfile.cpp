#include "modules/flagfile.h"

#include "common/recordfile.h"
#include "common/spaces.h"

QString flagfile::path(const QString& repertoireProgramme) {
    return repertoireProgramme + QStringLiteral("TEMPO.GXS");
}

qint16 etatModules(const QString& flagFilePath, qint16 n) {
    RecordFile file(flagFilePath, RecordFile::Mode::Read);
    const QString own = file.read(n);
    qint16 running = 0;
    for (int r = flagfile::premierModule; r <= flagfile::requeteNeutre; ++r) {
        if (trimSpaces(file.read(r)) == u"OUI")
            ++running;
    }
    return own == u"NON" ? running : qint16(-1);
}

bool reinitialiserModules(const QString& flagFilePath) {
    RecordFile file(flagFilePath, RecordFile::Mode::ReadWrite);
    bool written = true;
    for (int r = flagfile::premierModule; r <= flagfile::requeteNeutre; ++r)
        written = file.write(r, QStringLiteral("NON")) && written;
    return written;
}
