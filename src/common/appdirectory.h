#pragma once

#include <QString>

// `repertoireProgramme`: a directory with exactly one trailing separator, as every
// path built from it expects.
QString repertoireProgramme(const QString& directory);
