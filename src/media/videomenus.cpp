#include "media/videomenus.h"

#include "media/videocontext.h"
#include "navigator/multim.h"
#include "navigator/namedpages.h"
#include "navigator/navigation.h"
#include "navigator/navigationstate.h"
#include "platform/events.h"
#include "platform/forms/formlabel.h"

#include <QAction>
#include <QMenu>
#include <algorithm>
#include <span>

namespace {

// Items 1, 2... take the videos in order; the others are hidden, so a short menu
// never shows what a longer one left.
void proposerVideos(Multim& m, std::span<const QStringView> videos) {
    for (int i = 2; i <= 5; ++i)
        m.MVideo(i)->setVisible(false);
    for (int i = 1; i <= int(videos.size()) && i <= 5; ++i) {
        m.MVideo(i)->setText(videos[i - 1].toString());
        m.MVideo(i)->setVisible(true);
    }
}

} // namespace

void projo_Click(VideoContexte& contexte, const QPoint& souris) {
    NavigationContexte& nav = contexte.navigateur;
    const QString cle = nav.navigation.cleVideoLiee;
    if (cle != namedpages::menuVideos) {
        quitterPourPage(nav, cle);
        return;
    }
    proposerVideos(nav.multim, namedpages::menu01Videos);
    nav.multim.MENUVIDEO->popup(souris);
}

void Image9_Click(VideoContexte& contexte, int chapitre, const QPoint& souris) {
    const auto& menus = namedpages::chapterVideoMenus;
    const auto menu = std::find_if(menus.begin(), menus.end(),
                                   [chapitre](const auto& m) { return m.chapter == chapitre; });
    if (menu == menus.end())
        return;
    NavigationContexte& nav = contexte.navigateur;
    proposerVideos(nav.multim, std::span(menu->videos).first(menu->count));
    nav.platform.events.processPending();
    nav.multim.MENUVIDEO->popup(souris);
}

void MVideo_Click(VideoContexte& contexte, int item) {
    quitterPourPage(contexte.navigateur, contexte.navigateur.multim.MVideo(item)->text());
}
