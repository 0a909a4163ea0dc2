#include "calculator/numbertext.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

struct Written {
    double value;
    const char* text;
};

void PrintTo(const Written& w, std::ostream* os) {
    *os << w.value << " as \"" << w.text << '"';
}

class TexteNombre : public testing::TestWithParam<Written> {};

TEST_P(TexteNombre, WritesFifteenDigitsWithTheSystemsRules) {
    EXPECT_EQ(texteNombre(GetParam().value).toStdString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TexteNombre,
    testing::Values(Written{0.5, " .5"}, Written{-0.25, "-.25"}, Written{1e15, " 1E+15"},
                    Written{1e-5, " 1E-05"}, Written{0.0001, " .0001"},
                    Written{123456789012345.0, " 123456789012345"},
                    Written{-123456789012345.0, "-123456789012345"},
                    Written{1234567890123456.0, " 1.23456789012346E+15"},
                    Written{999999999999999.5, " 1E+15"}, Written{0.0, " 0"}, Written{-0.0, " 0"},
                    Written{14, " 14"}, Written{-3, "-3"}, Written{1.0 / 3, " .333333333333333"},
                    Written{2.0 / 3, " .666666666666667"}, Written{1.5e-7, " 1.5E-07"},
                    Written{-1.5e20, "-1.5E+20"}, Written{1e308, " 1E+308"}, Written{100, " 100"},
                    Written{12.5, " 12.5"}, Written{3.14159265358979323846, " 3.14159265358979"}));

struct Read {
    const char* text;
    double value;
};

void PrintTo(const Read& r, std::ostream* os) {
    *os << '"' << r.text << '"';
}

class ValeurNombre : public testing::TestWithParam<Read> {};

TEST_P(ValeurNombre, ReadsTheLeadingNumber) {
    const std::optional<double> value = valeurNombre(QString::fromUtf8(GetParam().text));
    ASSERT_TRUE(value.has_value());
    EXPECT_DOUBLE_EQ(*value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Cases, ValeurNombre,
                         testing::Values(Read{" 14", 14}, Read{".5", 0.5}, Read{"-.5", -0.5},
                                         Read{"+7", 7}, Read{"1E+20", 1e20}, Read{"1e-3", 1e-3},
                                         Read{"2E", 2}, Read{"2E+", 2}, Read{"3)", 3},
                                         Read{"2 * 3", 2}, Read{" 1 2\t3\n4", 1234},
                                         Read{"1.5.3", 1.5}, Read{"Calcul impossible", 0},
                                         Read{"", 0}, Read{"-", 0}, Read{".", 0}, Read{"E5", 0},
                                         Read{"1.2345E+04", 12345}, Read{"1E-400", 0},
                                         Read{"0E999999999999", 0}, Read{"1.E+00", 1}));

TEST(ValeurNombre, GivesNothingBeyondTheDoubleRange) {
    EXPECT_FALSE(valeurNombre(QStringLiteral("1E400")).has_value());
    EXPECT_FALSE(valeurNombre(QStringLiteral("-1E400")).has_value());
    EXPECT_FALSE(valeurNombre(QStringLiteral("1E99999999999999999999")).has_value());
    EXPECT_FALSE(valeurNombre(QStringLiteral("1.7976931348623159E308")).has_value());
    EXPECT_TRUE(valeurNombre(QStringLiteral("1.7976931348623157E308")).has_value());
    EXPECT_TRUE(valeurNombre(QStringLiteral("0.0001E-400")).has_value());
}

TEST(ValeurNombre, ReadsBackWhatTexteNombreWrote) {
    for (const double value : {0.5, -0.25, 1e15, 1e-5, 1e-300, 6.02214076e23, -9.87654321e-12})
        EXPECT_DOUBLE_EQ(*valeurNombre(texteNombre(value)), value);
}

class FormeScientifique : public testing::TestWithParam<Written> {};

TEST_P(FormeScientifique, FollowsThePatternWithSevenDecimals) {
    EXPECT_EQ(formeScientifique(GetParam().value).toStdString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, FormeScientifique,
                         testing::Values(Written{12345, "1.2345E+04"}, Written{1, "1.E+00"},
                                         Written{0, "0.E+00"}, Written{-0.0, "0.E+00"},
                                         Written{-0.5, "-5.E-01"},
                                         Written{123456789, "1.2345679E+08"},
                                         Written{99999999.9, "1.E+08"}, Written{1e-100, "1.E-100"},
                                         Written{5, "5.E+00"}));

} // namespace
