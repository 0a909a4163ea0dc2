#include "shell/modulecommands.h"

#include "common/recordfile.h"
#include "modules/flagfile.h"
#include "modules/launcher.h"
#include "modules/modulestate.h"
#include "navigator/multim.h"
#include "platform/forms/formlabel.h"
#include "platform/forms/pointers.h"

#include <array>

namespace {

const QString avertissement = QStringLiteral("Avertissement");

// The modules a page's icon may stand for, in the order they are compared.
constexpr std::array<int, 14> modulesDesPages = {1, 2, 3, 4, 6, 8, 9, 10, 11, 12, 13, 14, 16, 17};

void lancer(ModulesContexte& contexte, int module, const QString& titre) {
    lancerModule(contexte.platform, contexte.repertoireProgramme, contexte.etat, module, titre);
}

// The hourglass on `icone` while `action` runs, its own pointer back afterwards.
template <typename Action> void avecSablier(FormLabel& icone, Action action) {
    const QCursor pointeur = icone.cursor();
    setPointer(icone, PointerKind::Hourglass, {});
    action();
    setPointer(icone, PointerKind::Custom, pointeur);
}

bool memeImage(const FormLabel& a, const FormLabel& b) {
    return a.pixmap().cacheKey() == b.pixmap().cacheKey();
}

} // namespace

void Image6_Click(ModulesContexte& contexte, int module) {
    FormLabel* icone = contexte.multim.Image6(module);
    if (!icone)
        return;
    avecSablier(*icone, [&] { lancer(contexte, module, avertissement); });
}

void Command12_Click(ModulesContexte& contexte) {
    lancer(contexte, 7, QStringLiteral("Risque de manque de mémoire"));
}

void essentiel_Click(ModulesContexte& contexte, int chapitre) {
    contexte.etat.chapitreResume = qint16(chapitre + 1);
    writeRecord(flagfile::path(contexte.repertoireProgramme), flagfile::chapitreResume,
                u' ' + QString::number(contexte.etat.chapitreResume));
    lancer(contexte, 18, avertissement);
}

void Image3_Click(ModulesContexte& contexte) {
    writeRecord(flagfile::path(contexte.repertoireProgramme), flagfile::activiteModule19,
                QStringLiteral(" 20"));
    lancer(contexte, 19, avertissement);
}

void Imagexe_Click(ModulesContexte& contexte) {
    Multim& m = contexte.multim;
    avecSablier(*m.Imagexe, [&] {
        if (memeImage(*m.Imagexe, *m.Image3))
            lancer(contexte, 19, avertissement);
        for (int module : modulesDesPages) {
            if (FormLabel* icone = m.Image6(module); icone && memeImage(*m.Imagexe, *icone))
                Image6_Click(contexte, module);
        }
    });
}
