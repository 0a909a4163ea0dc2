#include "common/numerictext.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* text;
    qint16 expected;
};

class NumericTextToInt16 : public ::testing::TestWithParam<Case> {};

TEST_P(NumericTextToInt16, ReadsTheLeadingNumberRoundedHalfToEven) {
    EXPECT_EQ(numericTextToInt16(QString::fromUtf8(GetParam().text)), GetParam().expected)
        << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, NumericTextToInt16,
                         ::testing::Values(Case{"", 0}, Case{"abc", 0}, Case{"  7", 7},
                                           Case{"12abc", 12}, Case{"-3", -3}, Case{"+4", 4},
                                           Case{"2.5", 2}, Case{"3.5", 4}, Case{"-2.5", -2},
                                           Case{".5", 0}, Case{"1.5e1", 15}, Case{"1E2x", 100},
                                           Case{"5e", 5}, Case{"5e+", 5}, Case{"- 5", 0},
                                           Case{"32767", 32767}, Case{"40000", 32767},
                                           Case{"-40000", -32768}, Case{"1e400", 32767},
                                           Case{"-1e400", -32768}, Case{"1e-400", 0},
                                           Case{"0101", 101}, Case{"\t5", 0}));

TEST(LeadingNumber, KeepsTheExactValueBeforeRounding) {
    EXPECT_EQ(leadingNumber(QStringLiteral("0.4")), 0.4);
    EXPECT_EQ(leadingNumber(QStringLiteral(" 0")), 0.0);
    EXPECT_EQ(numericTextToInt16(QStringLiteral("0.4")), 0);
}

} // namespace

TEST(Arrondi, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, int> cases[] = {{0.5, 0},   {1.5, 2},    {2.5, 2},   {-2.5, -2},
                                            {-3.5, -4}, {2.4999, 2}, {2.5001, 3}};
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(arrondi(value), expected) << value;
}
