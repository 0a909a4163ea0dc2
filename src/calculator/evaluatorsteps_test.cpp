#include "calculator/evaluatorsteps.h"

#include <gtest/gtest.h>

using namespace evaluation;

namespace {

struct Rewrite {
    const char* before;
    const char* after;
};

void PrintTo(const Rewrite& r, std::ostream* os) {
    *os << '"' << r.before << '"';
}

class Espacer : public testing::TestWithParam<Rewrite> {};

TEST_P(Espacer, WritesTheCanonicalForm) {
    QString expression = QString::fromUtf8(GetParam().before);
    espacer(expression);
    EXPECT_EQ(expression.toStdString(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Espacer,
    testing::Values(Rewrite{"2*(3+LN5)^-2", " 2 * (3 + LON 5) ^ -2 "}, Rewrite{"+2-3", " 2 - 3 "},
                    Rewrite{"-5", " -5 "}, Rewrite{"1E+20*1E-3", " 1E+20 * 1E-3 "},
                    Rewrite{"(-5+2)", " (-5 + 2) "}, Rewrite{"invsin1", " ISI 1 "},
                    Rewrite{"INVCOS-1", " ICO -1 "}, Rewrite{"INVTAN.5", " ITA .5 "},
                    Rewrite{"sqr 4", " SQR 4 "}, Rewrite{"exp1+log2", " EXP 1 + LOG 2 "},
                    Rewrite{"sin-30", " SIN -30 "}, Rewrite{"2**3", " 2 *  * 3 "},
                    Rewrite{"2^", " 2 ^  "}, Rewrite{"", "  "}));

class Normaliser : public testing::TestWithParam<Rewrite> {};

TEST_P(Normaliser, MergesSignsAndUnwrapsNumbers) {
    QString expression = QString::fromUtf8(GetParam().before);
    normaliser(expression);
    EXPECT_EQ(expression.toStdString(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Cases, Normaliser,
                         testing::Values(Rewrite{"2--3", " 2 + 3 "}, Rewrite{"2+-3", " 2 - 3 "},
                                         Rewrite{"2-+3", " 2 - 3 "}, Rewrite{"2++3", " 2 + 3 "},
                                         Rewrite{"---5", " -5 "}, Rewrite{"+5", " 5 "},
                                         Rewrite{"3*(-5)", " 3 * -5 "},
                                         Rewrite{"3-(-5)", " 3 + 5 "}, Rewrite{"(3.2)", " 3.2 "},
                                         Rewrite{"((7))", " 7 "}, Rewrite{"(1E+5)", " (1E+5) "},
                                         Rewrite{"()", " () "}, Rewrite{"(2+3)", " (2 + 3) "},
                                         Rewrite{"(2)3", " 23 "}, Rewrite{"sin(30)", " SIN 30 "},
                                         Rewrite{"2 * 3", " 2 * 3 "}));

TEST(Normaliser, AbandonsAParenthesisFollowedOnlyByDigits) {
    QString expression = QStringLiteral("(--2 3");
    EXPECT_THROW(normaliser(expression), StepFault);
    EXPECT_EQ(expression, QStringLiteral("(+23")); // the rewrites made so far stay
}

TEST(Verifier, FindsMissingOperandsAndUnbalancedParentheses) {
    const struct {
        const char* canonical;
        qint16 code;
    } cases[] = {{" 2 * 3 ", 0}, {" 2 *  * 3 ", 3}, {" 2 ^  ", 3}, {" 2 /  + 3 ", 3},
                 {" 2 +  ", 0},  {" (2 + 3 ", 2},   {" )( ", 0},   {" (2 ^  ", 2}};
    for (const auto& c : cases) {
        qint16 code = 0;
        verifier(QString::fromLatin1(c.canonical), code);
        EXPECT_EQ(code, c.code) << c.canonical;
    }
}

TEST(Compter, CountsParenthesesFunctionsAndOperators) {
    Compteurs compteurs;
    compter(QStringLiteral(" 2 * (3 + LON 5) ^ -2 - SIN 1E-3 "), compteurs);
    EXPECT_EQ(compteurs.nbParentheses, 1);
    EXPECT_EQ(compteurs.nbFonctions, 2);
    EXPECT_EQ(compteurs.nbOperateurs, 4);
}

TEST(AppliquerFonctions, WaitsForAPlainNumberArgument) {
    QString expression = QStringLiteral(" LON (2 + 3) * SQR 16 ");
    Compteurs compteurs{1, 2, 2};
    appliquerFonctions(expression, compteurs, 0);
    EXPECT_EQ(expression, QStringLiteral(" LON (2 + 3) * 4 "));
    EXPECT_EQ(compteurs.nbFonctions, 1);
}

TEST(ReduireParentheses, WaitsForTheFunctionsInside) {
    QString expression = QStringLiteral(" 2 * (3 + SIN 30) ");
    Compteurs compteurs{1, 1, 2};
    reduireParentheses(expression, compteurs);
    EXPECT_EQ(expression, QStringLiteral(" 2 * (3 + SIN 30) "));
}

TEST(ReduireParentheses, AbandonsAnOpeningWithoutClosing) {
    QString expression = QStringLiteral(" 2 * (3 + 1 ");
    Compteurs compteurs{1, 0, 2};
    EXPECT_THROW(reduireParentheses(expression, compteurs), StepFault);
}

TEST(AppliquerOperateurs, AbandonsARightOperandPastTheEnd) {
    QString expression = QStringLiteral(" 2 * 3 +  ");
    Compteurs compteurs{0, 0, 2};
    EXPECT_THROW(appliquerOperateurs(expression, compteurs), StepFault);
    EXPECT_EQ(expression, QStringLiteral(" 6 +  ")); // the product was already written
}

TEST(AppliquerOperateurs, StopsWhenTheCountRunsOut) {
    QString expression = QStringLiteral(" 1 + 2 + 3 ");
    Compteurs compteurs{0, 0, 1};
    appliquerOperateurs(expression, compteurs);
    EXPECT_EQ(expression, QStringLiteral(" 3 + 3 "));
}

} // namespace
