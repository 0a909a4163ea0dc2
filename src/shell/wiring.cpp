#include "shell/wiring.h"

#include "calculator/ouvrirmachine.h"
#include "common/appdirectory.h"
#include "dictionary/dictionarycommands.h"
#include "media/documentary.h"
#include "media/powersoften.h"
#include "media/solarsystem.h"
#include "media/videocontext.h"
#include "media/videomenus.h"
#include "media/videoplayer.h"
#include "modules/updatehelp.h"
#include "navigator/multim.h"
#include "navigator/navigation.h"
#include "navigator/windowevents.h"
#include "platform/files.h"
#include "platform/forms/formlabel.h"
#include "platform/forms/picturebox.h"
#include "platform/mediacontrol.h"
#include "quiz/testcommands.h"
#include "quiz/testwindowcontext.h"
#include "search/searchcommands.h"
#include "shell/applicationstate.h"
#include "shell/locations.h"
#include "shell/modulecommands.h"
#include "shell/shutdown.h"

#include <QAction>
#include <QCursor>
#include <QPushButton>

namespace {

void connecterNavigateur(Multim& multim, Platform& platform, ApplicationState& state) {
    state.navigateur = std::make_unique<NavigationContexte>(
        NavigationContexte{multim, platform, state.navigation, state.videoEnCours,
                           repertoireProgramme(platform.files.executableDirectory()),
                           state.repertoireDonnees, state.cheminBase, state.hauteursChapitres,
                           [&platform, &state](const QString& nom) {
                               QString chemin = nom;
                               localiserDonnees(platform, chemin, state.repertoireDonnees);
                               return chemin;
                           },
                           [&state] { state.fenetresDictionnaire.fermer(); }, state.alerteEcran});
    connecterFenetre(*state.navigateur);
}

void connecterTests(Multim& multim, Platform& platform, ApplicationState& state) {
    const auto contexte = [&] {
        return TestWindowContext{
            multim,           platform,           state.test,
            state.navigation, state.calculatrice, [&state] { allerPage(*state.navigateur); }};
    };
    multim.chapitres.apres([&multim, contexte] {
        for (const auto& boutons : {&multim.testcours, &multim.Label14})
            for (const auto& [i, bouton] : *boutons)
                QObject::connect(bouton, &FormLabel::clicked, &multim, [contexte, i] {
                    TestWindowContext c = contexte();
                    testcours_Click(i, c);
                });
    });
    for (FormLabel* retour : {multim.btexo, multim.Label16})
        QObject::connect(retour, &FormLabel::clicked, &multim, [contexte] {
            TestWindowContext c = contexte();
            btexo_Click(c);
        });
}

void connecterVideo(Multim& multim, Platform& platform, ApplicationState& state) {
    const auto contexte = [&] {
        return VideoContexte{*state.navigateur, state.repertoireVideo,
                             [&platform, &state](const QString& chemin) {
                                 QString nom = chemin;
                                 localiserVideo(platform, nom, state.repertoireVideo);
                                 return nom;
                             }};
    };
    for (const auto& [i, bouton] : multim.Image4)
        QObject::connect(bouton, &FormLabel::clicked, &multim, [contexte, i] {
            VideoContexte c = contexte();
            Image4_Click(c, i);
        });
    platform.mediaControl.setStatusUpdate([contexte] {
        VideoContexte c = contexte();
        MMControl1_StatusUpdate(c);
    });
    QObject::connect(multim.projo, &FormLabel::clicked, &multim, [contexte] {
        VideoContexte c = contexte();
        projo_Click(c, QCursor::pos());
    });
    multim.chapitres.apres([&multim, contexte] {
        for (const auto& [n, icone] : multim.Image9)
            QObject::connect(icone, &FormLabel::clicked, &multim, [contexte, n] {
                VideoContexte c = contexte();
                Image9_Click(c, n, QCursor::pos());
            });
    });
    for (const auto& [i, item] : multim.MVideo)
        QObject::connect(item, &QAction::triggered, &multim, [contexte, i] {
            VideoContexte c = contexte();
            MVideo_Click(c, i);
        });
}

void connecterActivites(Multim& multim, ApplicationState& state) {
    multim.chapitres.apres([&multim, &state] {
        for (const auto& [i, icone] : multim.DOCU)
            QObject::connect(icone, &FormLabel::clicked, &multim,
                             [&state, i] { DOCU_Click(*state.navigateur, i); });
    });
}

void connecterVisionneuses(Multim& multim, ApplicationState& state) {
    QObject::connect(multim.Picture4, &PictureBox::mouseMoved, &multim,
                     [&multim, &state](QPoint position) {
                         // The picture's own pixels begin inside the border.
                         Picture4_MouseMove(multim, state.navigation,
                                            position - multim.Picture4->contentsRect().topLeft());
                     });
    QObject::connect(multim.command11, &FormLabel::clicked, &multim,
                     [&state] { command11_Click(*state.navigateur); });
    QObject::connect(multim.Command9, &FormLabel::clicked, &multim,
                     [&state] { Command9_Click(*state.navigateur); });
}

void connecterModules(Multim& multim, Platform& platform, ApplicationState& state) {
    const QString repertoire = repertoireProgramme(platform.files.executableDirectory());
    const auto relier = [&multim, &platform, &state, repertoire](auto* control, auto signal,
                                                                 auto handler) {
        QObject::connect(control, signal, &multim,
                         [&multim, &platform, &state, repertoire, handler] {
                             ModulesContexte c{multim, platform, state.modules, repertoire};
                             handler(c);
                         });
    };
    multim.modules.apres([&multim, relier] {
        for (const auto& [module, icone] : multim.Image6)
            relier(icone, &FormLabel::clicked,
                   [module](ModulesContexte& c) { Image6_Click(c, module); });
    });
    multim.chapitres.apres([&multim, relier] {
        for (const auto& [chapitre, label] : multim.essentiel)
            relier(label, &FormLabel::clicked,
                   [chapitre](ModulesContexte& c) { essentiel_Click(c, chapitre); });
    });
    relier(multim.Command12, &QPushButton::clicked, Command12_Click);
    relier(multim.Image3, &FormLabel::clicked, Image3_Click);
    relier(multim.Imagexe, &FormLabel::clicked, Imagexe_Click);
}

void connecterFermeture(Multim& multim, Platform& platform, ApplicationState& state) {
    const QString repertoire = repertoireProgramme(platform.files.executableDirectory());
    multim.Form_QueryUnload = [&multim, &platform, &state, repertoire] {
        FermetureContexte c{multim, platform, state.modules, repertoire};
        return Form_QueryUnload(c);
    };
    QObject::connect(multim.Command14, &QPushButton::clicked, &multim,
                     [&multim] { Command14_Click(multim); });
    QObject::connect(multim.Command8, &QPushButton::clicked, &multim,
                     [&platform, repertoire] { Command8_Click(platform, repertoire); });
    QObject::connect(multim.Command10, &QPushButton::clicked, &multim,
                     [&platform, repertoire] { Command10_Click(platform, repertoire); });
}

void connecterDictionnaire(Multim& multim, ApplicationState& state) {
    const auto relier = [&](QPushButton* bouton, void (*handler)(DictionnaireContexte&)) {
        QObject::connect(bouton, &QPushButton::clicked, &multim, [&state, handler] {
            DictionnaireContexte c{*state.navigateur, state.dictionnaire,
                                   state.fenetresDictionnaire};
            handler(c);
        });
    };
    relier(multim.command4, ouvrirIndex);
    relier(multim.Command1, ouvrirLiens);
}

void connecterRecherche(Multim& multim, ApplicationState& state) {
    installerRecherche(multim, [&state] {
        return RechercheContexte{*state.navigateur, state.recherche};
    });
}

} // namespace

void connecterCommandes(Multim& multim, Platform& platform, ApplicationState& state) {
    connecterNavigateur(multim, platform, state);
    connecterTests(multim, platform, state);
    connecterVideo(multim, platform, state);
    connecterVisionneuses(multim, state);
    connecterModules(multim, platform, state);
    connecterActivites(multim, state);
    connecterFermeture(multim, platform, state);
    connecterDictionnaire(multim, state);
    connecterRecherche(multim, state);
    QObject::connect(multim.Command3, &QPushButton::clicked, &multim,
                     [&] { ouvrirMachine(multim, platform, state.calculatrice); });
}
