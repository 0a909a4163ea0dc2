#pragma once

#include "navigator/history.h"
#include "navigator/multim.h"
#include "navigator/navigation.h"
#include "navigator/navigationstate.h"

#include <QString>
#include <array>

// The main window and the navigation state a benchmark drives: an empty history, no
// disc, and the course of `repertoire` (with its trailing separator).
struct BenchNavigator {
    BenchNavigator(const Platform& platform, const QString& repertoire)
        : cheminBase(repertoire + QStringLiteral("GLXNOV.glb")), navigateur{m,
                                                                            platform,
                                                                            state,
                                                                            videoEnCours,
                                                                            repertoire,
                                                                            repertoireDonnees,
                                                                            cheminBase,
                                                                            hauteurs,
                                                                            [](const QString&) {
                                                                                return QString();
                                                                            },
                                                                            {},
                                                                            alerteEcran} {
        reinitialiserHistorique(state);
    }

    Multim m{15, 15};
    NavigationState state;
    qint16 videoEnCours = 0;
    qint16 alerteEcran = 0;
    const QString repertoireDonnees;
    std::array<qint16, 31> hauteurs{};
    QString cheminBase;
    NavigationContexte navigateur;
};
