#pragma once

#include <QString>
#include <QStringList>

// `coursepack build SOURCE OUT`: the record files, the data files and the flag file
// with the installed version, as the installer would leave them.
struct BuildResult {
    QStringList errors;
    QStringList warnings;
};

BuildResult buildCourse(const QString& sourceDirectory, const QString& outDirectory);
