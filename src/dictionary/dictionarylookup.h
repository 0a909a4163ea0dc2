#pragma once

#include <QString>
#include <QStringList>

// Lookups in the dictionary file, opened for each one: records 2k hold the keywords,
// records 2k + 1 the page keys, for 2k up to `finDico`. Texts are compared exactly.

// The page keys of `motCle`, in the file's order, repeated pairs kept.
QStringList pagesOfKeyword(const QString& cheminDico, int finDico, const QString& motCle);

// The keywords of page `cle`, in the file's order, at most `limite` of them.
QStringList keywordsOfPage(const QString& cheminDico, int finDico, const QString& cle,
                           int limite = 100);

// The pages sharing a keyword with page `cle` (itself included when it has one), each
// once, at the place of its first entry in the file.
QStringList pagesLiees(const QString& cheminDico, int finDico, const QString& cle);

// A page key as the lists show it: without a leading section number, that is without
// everything up to the last digit followed by a space or a period, and that character.
QString titreAffiche(const QString& cle);
