#include "modules/launcher.h"

#include "modules/flagfile.h"
#include "modules/modulestate.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "platform/processes.h"

namespace {

QString avertissement(qint16 autres) {
    if (autres == 1)
        return QStringLiteral("Il y a déjà un module en cours d'exécution.\r\n"
                              "Vous devriez le fermer avant d'en charger un nouveau.\r\n"
                              "Continuer quand même?");
    return QStringLiteral("Il y a déjà %1 modules en cours d'exécution.\r\n"
                          "Vous devriez les fermer avant d'en charger un nouveau.\r\n"
                          "Continuer quand même?")
        .arg(autres);
}

} // namespace

void lancerModule(Platform& platform, const QString& repertoireProgramme, EtatModules& etat, int n,
                  const QString& titre) {
    etat.numeroModuleDemande = etatModules(flagfile::path(repertoireProgramme), qint16(n));
    if (etat.numeroModuleDemande > 0) {
        const Messages::Answer reponse =
            platform.messages.show(titre, avertissement(etat.numeroModuleDemande),
                                   Messages::Buttons::YesNoDefaultNo, Messages::Icon::Question);
        if (reponse != Messages::Answer::Yes)
            return;
        etat.numeroModuleDemande = 0;
    }
    qint64& tache = etat.tachesModules[n];
    if (tache == 0 || etat.numeroModuleDemande == 0) {
        // A module that cannot start leaves the task it had.
        if (const qint64 demarre =
                platform.processes.start(repertoireProgramme + etat.tableModules[n], {},
                                         Processes::WindowStyle::NormalFocus))
            tache = demarre;
    }
    platform.processes.activate(tache);
}
