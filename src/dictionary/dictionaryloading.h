#pragma once

#include "dictionary/dictionarystate.h"

// The keywords of records 2, 4, 6, ..., in the file's order, up to the first empty
// one.
QStringList lireMotsCles(const QString& cheminDico);

// The keywords in the index's order: French alphabetical, letter case ignored, each
// distinct text once ('atome' and 'Atome' are two keywords). Identical texts sort
// next to each other so that dropping equal neighbours leaves one of each.
QStringList motsClesDistincts(const QStringList& motsLus);

// Fills the state from the keywords read in the file's order; they are sorted when
// first asked for.
void retenirMotsCles(DictionaryState& state, const QStringList& motsLus);

// `motsCles`, sorted from the keywords read on the first call.
const QStringList& motsClesTries(DictionaryState& state);

struct Platform;

// `loadDictionary`, at start-up: GLX.DIC of the application directory `repertoire`
// (with its trailing separator) into `state`. Returns the keywords in the file's
// order, for the main window's list. A wrong signature (a missing file has none) is
// reported and ends the program.
QStringList loadDictionary(Platform& platform, DictionaryState& state, const QString& repertoire);
