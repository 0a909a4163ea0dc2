#include "calculator/evaluator.h"
#include "calculator/evaluatorsteps.h"

#include <gtest/gtest.h>

namespace {

constexpr qint16 degres = 0;
constexpr qint16 radians = 1;

struct Case {
    const char* entry;
    const char* result; // the returned text on success
    qint16 code;
    qint16 angle;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << '"' << c.entry << "\" mode " << c.angle;
}

class Calculer : public testing::TestWithParam<Case> {};

TEST_P(Calculer, GivesTheResultOrTheErrorCode) {
    const Case& c = GetParam();
    QString expression = QString::fromUtf8(c.entry);
    qint16 code = -1;
    const int cycles = evaluation::evaluer(expression, code, c.angle);
    EXPECT_EQ(code, c.code);
    if (c.code == 0)
        EXPECT_EQ(expression.toStdString(), c.result);
    EXPECT_LE(cycles, evaluation::limiteCycles + 1);
}

// Results that do not depend on the angle unit are checked in both.
std::vector<Case> inBothUnits(std::vector<Case> cases) {
    std::vector<Case> all;
    for (Case c : cases) {
        c.angle = degres;
        all.push_back(c);
        c.angle = radians;
        all.push_back(c);
    }
    return all;
}

INSTANTIATE_TEST_SUITE_P(Precedence, Calculer,
                         testing::ValuesIn(inBothUnits({
                             {"2 + 3 * 4", "14", 0, 0},
                             {"(1 + 2) * 3", "9", 0, 0},
                             {"2 ^ 3 ^ 2", "64", 0, 0},
                             {"-2 ^ 2", "4", 0, 0},
                             {"2 * -3 ^ 2", "18", 0, 0},
                             {"8 / 2 / 2", "2", 0, 0},
                             {"1 - 2 - 3", "-4", 0, 0},
                             {"1 + 2 - 3", "0", 0, 0},
                             {"2 * 4 / 2", "4", 0, 0},
                             {"log 1000", "3", 0, 0},
                             {"ln (2 + 3)", "1.6094379124341", 0, 0},
                             {"5E+3 * 2", "10000", 0, 0},
                             {"(2)3", "23", 0, 0},
                             {"", "", 0, 0},
                             {"1E+20", "1E+20", 0, 0},
                             {"1E+20 * 1", "1E+20", 0, 0},
                             {"1E+20 + 1E+20", "2E+20", 0, 0},
                             {"2*(3+LN5)^-2", ".0941313000017358", 0, 0},
                             {"3 - (-5)", "8", 0, 0},
                             {"1 / 3", ".333333333333333", 0, 0},
                             {"sqr 16 + 1", "5", 0, 0},
                             {"exp 0", "1", 0, 0},
                             {"10 ^ -5", "1E-05", 0, 0},
                         })));

INSTANTIATE_TEST_SUITE_P(
    AngleUnits, Calculer,
    testing::Values(Case{"sin 30", ".5", 0, degres}, Case{"sin(30) ^ 2", ".25", 0, degres},
                    Case{"invSIN 1", "90", 0, degres}, Case{"invCOS 0", "90", 0, degres},
                    Case{"2 * (3 + sin(30))", "7", 0, degres}, Case{"cos 0", "1", 0, radians},
                    Case{"invTAN 1", ".785398163397448", 0, radians},
                    Case{"invSIN -1", "-90", 0, degres}, Case{"invTAN 1", "45", 0, degres},
                    Case{"invTAN 7.2", "82.0928372970416", 0, degres},
                    Case{"invCOS -.2", "101.536959032816", 0, degres},
                    Case{"invSIN .086", "4.93353123007111", 0, degres},
                    Case{"SIN 2 ^ 3", ".751826944668994", 0, radians}));

INSTANTIATE_TEST_SUITE_P(
    Errors, Calculer,
    testing::ValuesIn(inBothUnits({
        {"1 / 0", "", 1, 0},     {"0 / 0", "", 1, 0},     {"sqr -4", "", 1, 0},
        {"ln 0", "", 1, 0},      {"log -1", "", 1, 0},    {"invSIN 2", "", 1, 0},
        {"invCOS -2", "", 1, 0}, {"2 +", "", 1, 0},       {"* 2", "", 1, 0},
        {"(-8) ^ .5", "", 1, 0}, {"0 ^ -1", "", 1, 0},    {"1E300 * 1E300", "", 1, 0},
        {"exp 1000", "", 1, 0},  {"1E400 + 1", "", 1, 0}, {"sin", "", 1, 0},
        {"3)+(2", "", 1, 0},     {"(2 + 3", "", 2, 0},    {"(23", "", 2, 0},
        {"2 + 3)", "", 2, 0},    {"2 * * 3", "", 3, 0},   {"2 * + 3", "", 3, 0},
        {"2 ^", "", 3, 0},       {"2 /", "", 3, 0},       {"(2 ^", "", 2, 0},
    })));

TEST(Calculer, LeavesAFailedExpressionAsTheRewritingReachedIt) {
    QString expression = QStringLiteral("1 / 0");
    qint16 code = 0;
    calculer(expression, code, degres);
    EXPECT_EQ(code, 1);
    EXPECT_EQ(expression, QStringLiteral(" 1 / 0 "));
}

TEST(Calculer, StopsAFaultyEntryAtTheCycleLimit) {
    QString expression = QStringLiteral("1 / 0");
    qint16 code = 0;
    EXPECT_EQ(evaluation::evaluer(expression, code, degres), evaluation::limiteCycles + 1);
}

TEST(Calculer, NeedsFewCyclesForOrdinaryEntries) {
    QString expression = QStringLiteral("2 * (3 + sin(30)) - ln (2 + 3) ^ 2");
    qint16 code = 0;
    EXPECT_LE(evaluation::evaluer(expression, code, degres), 5);
    EXPECT_EQ(code, 0);
}

} // namespace
