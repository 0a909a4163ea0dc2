#pragma once

#include <QString>
#include <array>

// The simulation modules as the navigator knows them: their executables, the task of
// each one it started, and what it last asked the flag file.
struct EtatModules {
    std::array<QString, 21> tableModules; // index = module number, 1..19
    std::array<qint64, 21> tachesModules{};
    qint16 numeroModuleDemande = 0;
    qint16 chapitreResume = 0; // the chapter (from 1) last sent to module 18
};
