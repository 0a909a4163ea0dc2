// The reduction steps: each computes one part of the expression and writes its result
// back as text.

#include "calculator/evaluatorsteps.h"
#include "calculator/numbertext.h"
#include "calculator/textpositions.h"
#include "common/asciidigits.h"
#include "common/spaces.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace evaluation {

namespace {

using std::numbers::pi;

double number(const QString& text) {
    const std::optional<double> value = valeurNombre(text);
    if (!value)
        throw StepFault{};
    return *value;
}

// C++ arithmetic does not trap: an infinite or undefined result is the fault.
double checked(double result) {
    if (!std::isfinite(result))
        throw StepFault{};
    return result;
}

QString resultText(double result) {
    return trimSpaces(texteNombre(checked(result)));
}

double arcSine(double x) {
    if (x == 1)
        return pi / 2;
    if (x == -1)
        return -pi / 2;
    const double complement = 1 - x * x;
    if (!(complement >= 0))
        throw StepFault{};
    return std::atan(x / std::sqrt(complement));
}

double function(QStringView name, double x, qint16 modeAngle) {
    const bool radians = modeAngle == 1;
    const double angle = radians ? x : x * pi / 180;
    // Multiplied by 180 first, then divided by pi: 180 / pi taken as one factor
    // rounds some results differently in their fifteenth digit.
    const auto inAngleUnit = [radians](double r) { return radians ? r : r * 180 / pi; };
    if (name == u"SQR") {
        if (x < 0)
            throw StepFault{};
        return std::sqrt(x);
    }
    if (name == u"EXP")
        return std::exp(x);
    if (name == u"LON" || name == u"LOG") {
        if (!(x > 0))
            throw StepFault{};
        return name == u"LON" ? std::log(x) : std::log(x) / std::log(10.0);
    }
    if (name == u"SIN")
        return std::sin(angle);
    if (name == u"COS")
        return std::cos(angle);
    if (name == u"TAN")
        return std::tan(angle);
    if (name == u"ISI")
        return inAngleUnit(arcSine(x));
    if (name == u"ICO")
        return inAngleUnit(pi / 2 - arcSine(x));
    return inAngleUnit(std::atan(x)); // ITA
}

bool isFunctionName(QStringView name) {
    return std::ranges::find(functionNames, name) != std::end(functionNames);
}

// The first ")" or space from position start on; none is a fault.
qsizetype argumentEnd(const QString& s, qsizetype start) {
    const qsizetype parenthesis = findFrom(s, start, u")");
    const qsizetype space = findFrom(s, start, u" ");
    if (parenthesis == 0 && space == 0)
        throw StepFault{};
    if (parenthesis == 0 || space == 0)
        return qMax(parenthesis, space);
    return qMin(parenthesis, space);
}

double operation(QChar op, double left, double right) {
    switch (op.unicode()) {
    case u'^':
        return std::pow(left, right);
    case u'/':
        return left / right;
    case u'*':
        return left * right;
    case u'-':
        return left - right;
    default:
        return left + right;
    }
}

bool containsFunctionLetter(const QString& s) {
    for (const QChar c : s)
        if (c >= u'F' && c <= u'Y')
            return true;
    return false;
}

} // namespace

// Functions bind to the single number that follows them: SIN 2 ^ 3 is (sin 2)^3.
void appliquerFonctions(QString& expression, Compteurs& compteurs, qint16 modeAngle) {
    qsizetype p = 2;
    while (p < expression.size() && compteurs.nbFonctions >= 1) {
        const QStringView name = QStringView(expression).mid(p - 1, 3);
        const QChar first = charAt(expression, p + 4);
        if (!isFunctionName(name) || !(isAsciiDigit(first) || first == u'-' || first == u'.')) {
            ++p;
            continue;
        }
        const qsizetype end = argumentEnd(expression, p + 5);
        const double x = number(part(expression, p + 4, end - (p + 4)));
        const QString result = resultText(function(name, x, modeAngle));
        expression = upTo(expression, p - 1) + result + from(expression, end);
        decrement(compteurs.nbFonctions);
        p = 2;
    }
}

void reduireParentheses(QString& expression, Compteurs& compteurs) {
    do {
        const qsizetype open = findBackFrom(expression, expression.size(), u'(');
        if (open == 0)
            return;
        const qsizetype close = findFrom(expression, open + 1, u")");
        QString inner = part(expression, open + 1, close - open - 1);
        if (containsFunctionLetter(inner))
            return; // its functions are applied first
        normaliser(inner);
        appliquerOperateurs(inner, compteurs);
        expression = upTo(expression, open - 1) + inner + from(expression, close + 1);
        decrement(compteurs.nbParentheses);
        normaliser(expression);
    } while (compteurs.nbParentheses > 0);
}

// The leftmost occurrence of the strongest operator first, then again from " ^ ":
// "/" before "*" and "-" before "+", so 2 ^ 3 ^ 2 is 64 and -2 ^ 2 is 4.
void appliquerOperateurs(QString& expression, Compteurs& compteurs) {
    static const QStringView order[] = {u" ^ ", u" / ", u" * ", u" - ", u" + "};
    normaliser(expression);
    for (int i = 0; i < 5;) {
        const qsizetype p = findFrom(expression, 3, order[i]);
        if (p == 0) {
            ++i;
            continue;
        }
        const qsizetype leftStart = findBackFrom(expression, p - 1, u' ') + 1;
        // The right operand's closing space is looked for after its first character.
        const qsizetype rightEnd = findFrom(expression, p + 4, u" ");
        if (rightEnd == 0)
            throw StepFault{};
        const double left = number(part(expression, leftStart, p - leftStart));
        const double right = number(part(expression, p + 3, rightEnd - (p + 3)));
        const QString result = resultText(operation(order[i][1], left, right));
        expression = upTo(expression, leftStart - 1) + result + from(expression, rightEnd);
        decrement(compteurs.nbOperateurs);
        if (compteurs.nbOperateurs < 1)
            return;
        i = 0;
    }
}

} // namespace evaluation
