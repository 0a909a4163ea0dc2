// The rewriting steps that bring an expression to canonical form, and the checks on it.

#include "calculator/evaluatorsteps.h"
#include "calculator/textpositions.h"
#include "common/asciidigits.h"

namespace evaluation {

namespace {

void replacePair(QString& s, qsizetype p, QStringView pair, QStringView by) {
    if (textAt(s, p, pair))
        s.replace(p - 1, 2, by.toString());
}

void mergeSigns(QString& s) {
    const qsizetype length = s.size();
    for (qsizetype p = 1; p <= length; ++p) {
        replacePair(s, p, u"--", u"+");
        replacePair(s, p, u"+-", u"-");
        replacePair(s, p, u"-+", u"-");
        replacePair(s, p, u"++", u"+");
    }
}

// (-5) becomes -5 and (3.2) becomes 3.2; (1E+5), () and (2+3) stay. A "(" followed
// only by digits up to the end makes the scan read past the end: a fault.
void unwrapNumbers(QString& s) {
    const qsizetype length = s.size();
    for (qsizetype p = 1; p <= length; ++p) {
        if (charAt(s, p) != u'(')
            continue;
        for (qsizetype k = 1;; ++k) {
            if (p + k > s.size())
                throw StepFault{};
            const QChar c = s[p + k - 1];
            if (c == u')') {
                if (k >= 2)
                    s = upTo(s, p - 1) + s.mid(p, k - 1) + from(s, p + k + 1);
                break;
            }
            if (!(c == u'.' || isAsciiDigit(c) || (k == 1 && (c == u'-' || c == u'+'))))
                break;
        }
    }
}

void dropLeadingPlus(QString& s) {
    if (s.startsWith(u'+'))
        s.remove(0, 1);
}

// Each rule of espacer at position p; the operator rules move p past what they wrote.
void spaceAt(QString& s, qsizetype& p) {
    if (textAt(s, p, u"SQR"))
        s.insert(p + 2, u' ');
    if (textAt(s, p, u"LN"))
        s.replace(p - 1, 2, QStringLiteral("LON"));
    static const QStringView nameGroups[][2] = {
        {u"SIN", u"COS"}, {u"LOG", u"TAN"}, {u"LON", u"LON"}, {u"ISI", u"EXP"}, {u"ITA", u"ICO"}};
    for (const auto& group : nameGroups)
        if (textAt(s, p, group[0]) || textAt(s, p, group[1]))
            s.insert(p + 2, u' ');
    if (textAt(s, p, u"INV")) {
        // INVSIN becomes "ISI ": the third letter goes, so SIN cannot match one step later.
        s.remove(p, 2);
        s = upTo(s, p + 2) + u' ' + from(s, p + 4);
    }
    for (const QStringView op : {u" ^ ", u" * ", u" / "}) {
        if (charAt(s, p) == op[1]) {
            s.replace(p - 1, 1, op.toString());
            ++p;
        }
    }
    // After "E" a sign belongs to the exponent; after "(" or a space a "-" is unary.
    if (charAt(s, p) == u'+' && charAt(s, p - 1) != u'E') {
        s.replace(p - 1, 1, QStringLiteral(" + "));
        ++p;
    }
    const QChar before = charAt(s, p - 1);
    if (charAt(s, p) == u'-' && before != u'E' && before != u'(' && before != u' ') {
        s.replace(p - 1, 1, QStringLiteral(" - "));
        ++p;
    }
}

} // namespace

void normaliser(QString& expression) {
    expression = expression.toUpper();
    expression.remove(u' ');
    QString before;
    do {
        before = expression;
        mergeSigns(expression);
        dropLeadingPlus(expression);
        unwrapNumbers(expression);
    } while (expression != before);
    espacer(expression);
}

void espacer(QString& expression) {
    expression = expression.toUpper();
    expression.remove(u' ');
    dropLeadingPlus(expression);
    expression = u' ' + expression + u' ';
    const qsizetype bound = 3 * expression.size();
    for (qsizetype p = 1; p <= bound; ++p)
        spaceAt(expression, p);
}

void verifier(const QString& expression, qint16& codeErreur) {
    for (qsizetype p = 1; p <= expression.size(); ++p) {
        const QChar c = expression[p - 1];
        if ((c == u'*' || c == u'/' || c == u'^') && charAt(expression, p + 2) == u' ')
            codeErreur = 3;
    }
    if (expression.count(u'(') != expression.count(u')'))
        codeErreur = 2;
}

void compter(const QString& expression, Compteurs& compteurs) {
    static const QStringView operators[] = {u" + ", u" - ", u" * ", u" / ", u" ^ "};
    compteurs = {};
    for (qsizetype p = 1; p <= expression.size(); ++p) {
        if (expression[p - 1] == u'(')
            increment(compteurs.nbParentheses);
        for (const QStringView op : operators)
            if (textAt(expression, p, op))
                increment(compteurs.nbOperateurs);
        for (const QStringView name : functionNames)
            if (textAt(expression, p, name))
                increment(compteurs.nbFonctions);
    }
}

} // namespace evaluation
