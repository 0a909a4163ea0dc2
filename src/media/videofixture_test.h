#pragma once

#include "media/videocontext.h"
#include "navigator/testing/navigationharness.h"

// The main window connected, and a disc that holds the video `surLeDisque` names, if
// any.
class VideoFixture : public NavigationHarness {
protected:
    VideoFixture() { connecterFenetre(navigateur); }

    static void creer(const QString& chemin) {
        QFile file(chemin);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QString repertoireVideo;
    QStringList videosDemandees;
    QString surLeDisque;
    VideoContexte contexte{navigateur, repertoireVideo, [this](const QString& chemin) {
                               videosDemandees.append(chemin);
                               return surLeDisque;
                           }};
};
