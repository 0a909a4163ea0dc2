#include "shell/shutdown.h"

#include "modules/flagfile.h"
#include "modules/modulestate.h"
#include "modules/titlefragments.h"
#include "navigator/multim.h"
#include "navigator/pagedisplay.h"
#include "platform/desktopwindows.h"
#include "platform/events.h"
#include "platform/forms/formlabel.h"
#include "platform/messages.h"
#include "platform/modalwindows.h"
#include "platform/platform.h"
#include "platform/processes.h"
#include "shell/fermeur.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>

namespace {

// The fragments are short enough to turn up in other programs' titles ("Navigation
// privée"), so only a window of a program that lies in the application directory is
// asked to quit; a window whose owner cannot be told is left alone.
bool duRepertoire(const DesktopWindows::Window& fenetre, const QString& repertoire) {
    if (fenetre.program.isEmpty())
        return false;
    const QString dossier = QDir(QFileInfo(fenetre.program).absolutePath()).canonicalPath();
    return !dossier.isEmpty() && dossier == QDir(repertoire).canonicalPath();
}

// Every pass walks the whole desktop again from its frontmost window: a window
// asked to quit in one pass may already be gone in the next.
void demanderFermetures(DesktopWindows& bureau, const QString& repertoire) {
    for (int passage = 0; passage < nombrePassages; ++passage) {
        const QString fragment = fragmentDuPassage(passage);
        for (const DesktopWindows::Window& fenetre : bureau.topLevelWindows()) {
            if (fenetre.title.isEmpty() || fragment.isEmpty())
                continue;
            if (fenetre.title.contains(fragment, Qt::CaseSensitive) &&
                duRepertoire(fenetre, repertoire))
                bureau.postQuit(fenetre.id);
        }
    }
}

// Reached only when the closing window was closed before it could do its work.
[[noreturn]] void Form_Unload(FermetureContexte& contexte) {
    arreterMedias(contexte.multim, contexte.platform.mediaControl);
    contexte.platform.processes.endProgram();
}

} // namespace

void Command14_Click(Multim& multim) {
    multim.close();
}

bool Form_QueryUnload(FermetureContexte& contexte) {
    const Messages::Answer reponse = contexte.platform.messages.show(
        QStringLiteral("Quitter"), QStringLiteral("Attention: sortie du logiciel."),
        Messages::Buttons::OkCancel, Messages::Icon::Question);
    if (reponse != Messages::Answer::Ok)
        return true;
    if (contexte.multim.isMinimized())
        contexte.multim.showNormal();
    arreterMedias(contexte.multim, contexte.platform.mediaControl);
    Fermeur fermeur([&contexte](Fermeur& f) { fermerModules(contexte, f); }, &contexte.multim);
    if (contexte.platform.modalWindows.run(fermeur) == QDialog::Accepted)
        contexte.platform.processes.endProgram();
    Form_Unload(contexte);
}

void fermerModules(FermetureContexte& contexte, Fermeur& fermeur) {
    fermeur.Label1->setText(QStringLiteral("Fermeture du logiciel\r\n\r\n\r\n"
                                           "Veuillez patienter quelques instants..."));
    fermeur.repaint();
    contexte.platform.events.processPending();
    contexte.modules.numeroModuleDemande =
        etatModules(flagfile::path(contexte.repertoireProgramme), flagfile::requeteNeutre);
    if (contexte.modules.numeroModuleDemande > 0)
        demanderFermetures(contexte.platform.desktopWindows, contexte.repertoireProgramme);
    contexte.multim.setVisible(false);
    contexte.platform.processes.start(contexte.repertoireProgramme + QStringLiteral("EPILOG.EXE"),
                                      {}, Processes::WindowStyle::NormalFocus);
}
