#include "common/appdirectory.h"
#include "navigator/contentdatabase.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "platform/processes.h"
#include "shell/locations.h"
#include "shell/startup.h"

namespace {

// The highest drive holding the course's installer source, or 0.
QChar lecteurDInstallation(const Platform& platform) {
    for (char16_t lettre = u'Z'; lettre >= u'A'; --lettre) {
        const QString base =
            fichierSurLecteur(platform, lettre, QStringLiteral("DONNEES/GLXNOV.glb"));
        if (!base.isEmpty() && readSignature(base) == signatureBase)
            return lettre;
    }
    return {};
}

} // namespace

void terminerInstallation(Platform& platform) {
    const QString repertoire = repertoireProgramme(platform.files.executableDirectory());
    const QString installateur = repertoire + QStringLiteral("deploy2.exe");
    for (;;) {
        const QChar lettre = lecteurDInstallation(platform);
        if (!lettre.isNull()) {
            const QString source =
                fichierSurLecteur(platform, lettre, QStringLiteral("DONNEES/deploy2.exe"));
            if (!source.isEmpty() && platform.files.copy(source, installateur))
                platform.files.makeExecutable(installateur);
            if (platform.processes.start(installateur, {}, Processes::WindowStyle::NormalFocus) !=
                0)
                platform.processes.endProgram();
        }
        const Messages::Answer reponse = platform.messages.show(
            QStringLiteral("Fin de l'installation"),
            QStringLiteral(
                "Introduire le CD ROM Galvane dans le lecteur pour terminer l'installation."),
            Messages::Buttons::OkCancel, Messages::Icon::Information);
        if (reponse != Messages::Answer::Ok)
            platform.processes.endProgram();
    }
}
