#pragma once

#include <QString>
#include <functional>

struct NavigationContexte;

// What the video player needs beyond the navigator: the disc's video folder as last
// found, and the search of the disc, which lives in the shell.
struct VideoContexte {
    NavigationContexte& navigateur;
    const QString& repertoireVideo;
    // The full path of the video on the disc, or "" when the user gave up.
    std::function<QString(const QString& chemin)> localiserVideo;
};
