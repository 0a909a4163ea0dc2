#pragma once

#include <QString>

// TEMPO.GXS, shared without locking with the modules and the installer, which
// rewrite it in place at any time: it is opened for each group of accesses and
// never cached.
namespace flagfile {

inline constexpr int premierModule = 1;
inline constexpr int requeteNeutre = 20; // no module 20: the query for the count alone
inline constexpr int version = 22;
inline constexpr int etatEcran = 23;
inline constexpr int chapitreResume = 25;
inline constexpr int activiteModule19 = 26;

QString path(const QString& repertoireProgramme);

} // namespace flagfile

// −1 when record n is not exactly "NON" (module n runs, or its mark is missing);
// otherwise the number of records 1..20 that read "OUI" once trimmed of spaces.
qint16 etatModules(const QString& flagFilePath, qint16 n);

// "NON" into records 1 to 20, in one opening.
bool reinitialiserModules(const QString& flagFilePath);
