#pragma once

#include "media/videocontext.h"
#include "navigator/history.h"
#include "navigator/multim.h"
#include "navigator/navigation.h"
#include "navigator/navigationstate.h"
#include "platform/testing/fakeplatform.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

// The fixture course in a fresh application folder, the main window connected, and
// a disc that holds the videos of `surLeDisque` only.
class VideoFixture : public ::testing::Test {
protected:
    VideoFixture() {
        const QDir fixture(QStringLiteral(FIXTURE_APP));
        for (const QString& name : fixture.entryList(QDir::Files))
            QFile::copy(fixture.filePath(name), fake.appPath(name));
        reinitialiserHistorique(state);
        connecterNavigation(navigateur);
    }

    static void creer(const QString& chemin) {
        QFile file(chemin);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    FakePlatform fake;
    Multim m{15, 15};
    NavigationState state;
    qint16 videoEnCours = 0;
    QString repertoireDonnees;
    QString repertoireVideo;
    QString cheminBase = fake.appPath(QStringLiteral("GLXNOV.glb"));
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
                                  {},
                                  {},
                                  alerteEcran};
    QStringList demandesDuDisque;
    QString surLeDisque;
    VideoContexte contexte{navigateur, repertoireVideo, [this](const QString& chemin) {
                               demandesDuDisque.append(chemin);
                               return surLeDisque;
                           }};
};
