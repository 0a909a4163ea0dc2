#pragma once

#include <QString>

struct EtatModules;
struct Platform;

// `lancerModule`: starts module n (1..19) from the application directory, after a
// warning titled `titre` when other modules run, and brings it to the front. A module
// whose record says it runs and which this navigator started is not started again.
void lancerModule(Platform& platform, const QString& repertoireProgramme, EtatModules& etat, int n,
                  const QString& titre);
