#pragma once

#include "navigator/chapterheights.h"
#include "navigator/history.h"
#include "navigator/multim.h"
#include "navigator/navigation.h"
#include "navigator/navigationstate.h"
#include "navigator/tablefolding.h"
#include "navigator/tablelayout.h"
#include "navigator/windowevents.h"
#include "platform/testing/fakeplatform.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <algorithm>
#include <gtest/gtest.h>

// The fixture course (FIXTURE_APP) copied into a fresh application folder, the main
// window with an empty history, and a disc that refuses every data file asked for.
class NavigationHarness : public ::testing::Test {
protected:
    NavigationHarness() {
        const QDir fixture(QStringLiteral(FIXTURE_APP));
        for (const QString& name : fixture.entryList(QDir::Files))
            QFile::copy(fixture.filePath(name), fake.appPath(name));
        reinitialiserHistorique(state);
        // At once: the tests reach into the chapters without showing a table first.
        m.chapitres.construire();
    }

    // The tables as start-up lays them out, every chapter folded, and the window's
    // events connected.
    void connecterAvecTablesPliees() {
        std::copy(chapterheights::unfolded.begin(), chapterheights::unfolded.end(),
                  hauteurs.begin());
        for (const auto& [i, chapitre] : m.chapi)
            m.twips().setHeight(*chapitre, hauteurChapitrePlie);
        tablelayout::empilerChapitres(m, true);
        tablelayout::empilerChapitres(m, false);
        connecterFenetre(navigateur);
    }

    FakePlatform fake;
    Multim m{15, 15};
    NavigationState state;
    qint16 videoEnCours = 0;
    QString repertoireDonnees;
    QString cheminBase = fake.appPath(QStringLiteral("GLXNOV.glb"));
    QStringList demandesDuDisque;
    std::array<qint16, 31> hauteurs{};
    qint16 alerteEcran = 0;
    NavigationContexte navigateur{m,
                                  fake.platform(),
                                  state,
                                  videoEnCours,
                                  fake.appDir.path() + u'/',
                                  repertoireDonnees,
                                  cheminBase,
                                  hauteurs,
                                  [this](const QString& nom) {
                                      demandesDuDisque.append(nom);
                                      return QString();
                                  },
                                  {},
                                  alerteEcran};
};
