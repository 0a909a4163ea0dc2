#include "media/videoplayer.h"

#include "media/videocontext.h"
#include "navigator/multim.h"
#include "navigator/navigation.h"
#include "navigator/navigationstate.h"
#include "navigator/pagedisplay.h"
#include "platform/events.h"
#include "platform/files.h"
#include "platform/forms/formlabel.h"
#include "platform/forms/picturebox.h"
#include "platform/forms/pointers.h"
#include "platform/mediacontrol.h"

namespace {

using Command = MediaControl::Command;

// Beside the program first, so that a copy there wins over the disc's.
QString trouverVideo(VideoContexte& contexte, const QString& nom) {
    NavigationContexte& nav = contexte.navigateur;
    for (const QString& dossier : {nav.repertoireProgramme, contexte.repertoireVideo}) {
        if (dossier.isEmpty())
            continue;
        if (const auto trouve = nav.platform.files.resolve(dossier + nom))
            return *trouve;
    }
    return contexte.localiserVideo ? contexte.localiserVideo(nav.repertoireProgramme + nom)
                                   : QString();
}

// Plays from `debut` and stops at once: the device then shows that picture.
void montrerImage(MediaControl& video, qint64 debut) {
    video.setFrom(debut);
    video.send(Command::Play);
    video.send(Command::Stop);
}

} // namespace

void ouvrirVideo(VideoContexte& contexte) {
    NavigationContexte& nav = contexte.navigateur;
    Multim& m = nav.multim;
    MediaControl& video = nav.platform.mediaControl;
    setPointer(m, PointerKind::Hourglass, {});
    arreterMedias(m, video);

    const QString nom = nav.navigation.cheminMedia;
    const QString chemin = trouverVideo(contexte, nom);
    if (chemin.isEmpty()) {
        setPointer(m, PointerKind::Normal, {});
        nav.videoEnCours = 0;
        video.send(Command::Close);
        m.projo->hide();
        m.Picture4->show();
        m.Picture4->raise();
        nav.navigation.cheminMedia = nom;
        return;
    }
    nav.navigation.cheminMedia = chemin;
    nav.videoEnCours = -1;
    video.setFileName(chemin);
    nav.platform.events.processPending();
    video.send(Command::Close);
    video.send(Command::Open);
    video.setDisplayWindow(m.Picture4);
    m.Picture4->update();
    m.Picture4->show();
    m.Picture4->raise();
    setPointer(m, PointerKind::Normal, {});
}

void Image4_Click(VideoContexte& contexte, int bouton) {
    NavigationContexte& nav = contexte.navigateur;
    Multim& m = nav.multim;
    MediaControl& video = nav.platform.mediaControl;
    FormLabel& image = *m.Image4(bouton);
    const QCursor main = image.cursor();
    setPointer(m, PointerKind::Hourglass, {});
    setPointer(image, PointerKind::Hourglass, {});
    nav.platform.events.processPending();
    if (nav.videoEnCours == 0) {
        ouvrirVideo(contexte);
        montrerImage(video, 0);
    }
    setPointer(m, PointerKind::Normal, {});
    setPointer(image, PointerKind::Custom, main);
    nav.platform.events.processPending();

    // A command the device refuses changes nothing; the next press tries again.
    switch (bouton) {
    case 0:
        if (video.position() == video.length())
            montrerImage(video, 0);
        video.send(Command::Play);
        break;
    case 1:
        video.send(Command::Step);
        break;
    case 2:
        video.send(Command::Pause);
        break;
    case 3:
        video.send(Command::Stop);
        nav.platform.events.processPending();
        montrerImage(video, 0);
        break;
    case 4:
        video.send(Command::Back);
        break;
    case 5:
        montrerImage(video, video.length());
        break;
    case 6:
        video.send(Command::Prev);
        video.send(Command::Play);
        video.send(Command::Stop);
        break;
    default:
        break;
    }
}

void MMControl1_StatusUpdate(VideoContexte& contexte) {
    MediaControl& video = contexte.navigateur.platform.mediaControl;
    if (video.position() == video.length())
        montrerImage(video, 0);
}
