#pragma once

#include <QString>
#include <QtGlobal>

// The calculator's evaluator. It never builds a tree: each step finds one reducible
// part of the text, computes it in double precision, writes the result back as
// decimal digits (15 significant) and looks again, for at most 100 cycles.
//
// On success codeErreur is 0 and expression holds the result, trimmed of spaces (an
// empty entry gives an empty result). Otherwise codeErreur is 1 (not reduced to one
// number), 2 (the counts of "(" and ")" differ) or 3 (a "^", "*" or "/" without a
// right operand), and expression holds whatever the rewriting had reached.
// modeAngle: 0 degrees, 1 radians.
void calculer(QString& expression, qint16& codeErreur, qint16 modeAngle);
