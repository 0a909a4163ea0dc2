#include "shell/locations.h"

#include "common/spaces.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/platform.h"

#include <QFileInfo>

namespace {

QString nomSeul(const QString& nom) {
    const int p = std::max(nom.lastIndexOf(u'\\'), nom.lastIndexOf(u'/'));
    return p < 0 ? nom : nom.mid(p + 1);
}

void localiserFichier(Platform& platform, QString& nom, const QString& dossier,
                      QString& repertoire) {
    if (trimSpaces(nom).isEmpty())
        return;
    const QString fichier = nomSeul(nom);
    for (;;) {
        for (char16_t lettre = u'Z'; lettre >= u'A'; --lettre) {
            const QString trouve = fichierSurLecteur(platform, lettre, dossier + u'/' + fichier);
            if (!trouve.isEmpty()) {
                repertoire = QFileInfo(trouve).path() + u'/';
                nom = trouve;
                return;
            }
        }
        const Messages::Answer reponse = platform.messages.show(
            QStringLiteral("CD-ROM absent"),
            QStringLiteral("Veuillez introduire le CD-ROM « GALVANE » dans le lecteur."),
            Messages::Buttons::RetryCancel, Messages::Icon::Exclamation);
        if (reponse != Messages::Answer::Retry) {
            nom.clear();
            platform.messages.beep();
            return;
        }
    }
}

} // namespace

QString fichierSurLecteur(const Platform& platform, QChar lettre,
                          const QString& cheminSurLeDisque) {
    const QString racine = platform.drives.root(lettre);
    if (racine.isEmpty())
        return {};
    return platform.files.resolve(racine + u'/' + cheminSurLeDisque).value_or(QString());
}

void localiserDonnees(Platform& platform, QString& nom, QString& repertoireDonnees) {
    localiserFichier(platform, nom, QStringLiteral("GLXDATA"), repertoireDonnees);
}

void localiserVideo(Platform& platform, QString& nom, QString& repertoireVideo) {
    localiserFichier(platform, nom, QStringLiteral("GLXV"), repertoireVideo);
}
