#include "modules/updatehelp.h"

#include "common/recordfile.h"
#include "modules/flagfile.h"
#include "platform/helpviewer.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "platform/processes.h"

namespace {

// A record that is not exactly "NON", a missing one included, counts as a running
// module.
bool modulesFermes(const QString& flagFilePath) {
    RecordFile file(flagFilePath, RecordFile::Mode::Read);
    for (int r = flagfile::premierModule; r <= flagfile::requeteNeutre; ++r) {
        if (file.read(r) != u"NON")
            return false;
    }
    return true;
}

} // namespace

void Command8_Click(Platform& platform, const QString& repertoireProgramme) {
    if (!modulesFermes(flagfile::path(repertoireProgramme))) {
        platform.messages.show(QStringLiteral("Mise à jour impossible"),
                               QStringLiteral("Pour effectuer une mise à jour, tous les modules "
                                              "du logiciel doivent être fermés"),
                               Messages::Buttons::Ok, Messages::Icon::Exclamation);
        return;
    }
    platform.processes.start(repertoireProgramme + QStringLiteral("UPDATER.EXE"), {},
                             Processes::WindowStyle::MaximisedFocus);
    platform.processes.endProgram();
}

void Command10_Click(Platform& platform, const QString& repertoireProgramme) {
    platform.helpViewer.showContents(repertoireProgramme + QStringLiteral("GLX.hlp"));
}
