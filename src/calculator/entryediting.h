#pragma once

#include <QString>

// How the calculator's keys build the entry text (saisie).

// Implicit multiplication: unless the entry is empty or ends with "(", "-" or a space,
// " * " comes before the term (2 then sin gives "2 * sin ").
void ajouterTerme(QString& saisie, const QString& terme);

// A unary minus or exponent sign after "(", a space or "E"; " -" after a "-"; a spaced
// operator after anything else; a lone "-" in an empty entry.
void appendMinus(QString& saisie);

// "+" right after an exponent's "E", " + " otherwise.
void appendPlus(QString& saisie);

// Deletes one character, a spaced operator, or a function name back to the previous
// space or "(".
void deleteBackwards(QString& saisie);
