#pragma once

// The evaluator's steps, each rewriting the expression in place. Apart from calculer,
// only tests and the fuzz target use them.
//
// Canonical form, produced by espacer and relied on by the later steps: one space at
// each end, binary operators written " ^ ", " * ", " / ", " + ", " - ", each internal
// function name (SQR EXP LOG LON SIN COS TAN ISI ICO ITA) followed by one space,
// numbers (with their minus sign and exponent) and parentheses without spaces.

#include <QString>
#include <QtGlobal>

namespace evaluation {

// Thrown inside a step on a fault (a domain error, an overflow, a division by zero,
// an operand running past the end...): the step is abandoned, its rewrites so far stay.
struct StepFault {};

inline constexpr QStringView functionNames[] = {u"SQR", u"EXP", u"LOG", u"LON", u"SIN",
                                                u"COS", u"TAN", u"ISI", u"ICO", u"ITA"};

// Counts of the current expression, shared by the steps of one evaluation: compter
// sets them, the reductions decrement them.
struct Compteurs {
    qint16 nbParentheses = 0;
    qint16 nbFonctions = 0;
    qint16 nbOperateurs = 0;
};

inline constexpr int limiteCycles = 100;

void normaliser(QString& expression);
void espacer(QString& expression);
void verifier(const QString& expression, qint16& codeErreur);
void compter(const QString& expression, Compteurs& compteurs);
void appliquerFonctions(QString& expression, Compteurs& compteurs, qint16 modeAngle);
void reduireParentheses(QString& expression, Compteurs& compteurs);
void appliquerOperateurs(QString& expression, Compteurs& compteurs);

// calculer, also returning how many cycles it counted (at most limiteCycles + 1).
int evaluer(QString& expression, qint16& codeErreur, qint16 modeAngle);

} // namespace evaluation
