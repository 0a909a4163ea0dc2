#pragma once

#include <QString>
#include <optional>

// Numbers as the calculator writes and reads them: "." as decimal separator whatever
// the locale, 15 significant digits.

// The leading number of a text. Spaces, tabs and line feeds are ignored wherever they
// stand; an optional sign, digits with at most one ".", an optional exponent ("E",
// optional sign, digits); reading stops at the first character that does not fit. A
// text with no digits gives 0. Nothing when the number lies beyond the double range.
std::optional<double> valeurNombre(const QString& text);

// At most 15 significant digits, no "0" before the point below 1, exponent form
// ("1E+15", "1.5E-07") from 1E+15 up and from 1E-05 down, one leading space when the
// number is not negative. Callers pass finite numbers.
QString texteNombre(double value);

// The pattern "#.#######E+00": one digit, the point always written, up to seven
// decimals without trailing zeros, an exponent of at least two digits ("1.2345E+04",
// "1.E+00", "0.E+00").
QString formeScientifique(double value);
