#include "calculator/evaluator.h"

#include "calculator/evaluatorsteps.h"
#include "common/spaces.h"

namespace evaluation {

namespace {

// A fault abandons the step that met it; the cycles go on with the next step.
template <typename Step> void guarded(Step&& step) {
    try {
        step();
    } catch (const StepFault&) {
    }
}

} // namespace

int evaluer(QString& expression, qint16& codeErreur, qint16 modeAngle) {
    codeErreur = 0;
    int cycle = 0;
    QString previous;
    Compteurs compteurs;
    guarded([&] { normaliser(expression); });
    guarded([&] { verifier(expression, codeErreur); });
    if (codeErreur != 0)
        return cycle;
    guarded([&] { compter(expression, compteurs); });
    for (;;) {
        ++cycle;
        if (expression == previous)
            guarded([&] { normaliser(expression); });
        previous = expression;
        if (cycle > limiteCycles) {
            codeErreur = 1;
            return cycle;
        }
        if (compteurs.nbFonctions > 0) {
            guarded([&] { appliquerFonctions(expression, compteurs, modeAngle); });
            guarded([&] { normaliser(expression); });
        }
        if (compteurs.nbParentheses > 0)
            guarded([&] { reduireParentheses(expression, compteurs); });
        guarded([&] { compter(expression, compteurs); });
        if (compteurs.nbFonctions >= 1 || compteurs.nbParentheses >= 1)
            continue;
        if (compteurs.nbOperateurs > 0)
            guarded([&] { appliquerOperateurs(expression, compteurs); });
        guarded([&] { compter(expression, compteurs); });
        if (compteurs.nbOperateurs < 1)
            break;
    }
    expression = trimSpaces(expression);
    if (expression.contains(u' '))
        codeErreur = 1; // two numbers left side by side, or some other residue
    return cycle;
}

} // namespace evaluation

void calculer(QString& expression, qint16& codeErreur, qint16 modeAngle) {
    evaluation::evaluer(expression, codeErreur, modeAngle);
}
