#include "calculator/entryediting.h"

#include <gtest/gtest.h>

namespace {

struct Edit {
    const char* before;
    const char* after;
};

void PrintTo(const Edit& e, std::ostream* os) {
    *os << '"' << e.before << '"';
}

class DeleteBackwards : public testing::TestWithParam<Edit> {};

TEST_P(DeleteBackwards, RemovesACharacterAnOperatorOrAName) {
    QString saisie = QString::fromUtf8(GetParam().before);
    deleteBackwards(saisie);
    EXPECT_EQ(saisie.toStdString(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Cases, DeleteBackwards,
                         testing::Values(Edit{"12", "1"}, Edit{"2 + ", "2"}, Edit{"2 ^ ", "2"},
                                         Edit{"2 * -", "2 * "}, Edit{"2 * sin ", "2 * "},
                                         Edit{"2 * invSIN ", "2 * "}, Edit{"(invCOS ", "("},
                                         Edit{"sin ", ""}, Edit{" ", ""}, Edit{"", ""}));

class AjouterTerme : public testing::TestWithParam<Edit> {};

TEST_P(AjouterTerme, MultipliesImplicitly) {
    QString saisie = QString::fromUtf8(GetParam().before);
    ajouterTerme(saisie, QStringLiteral("sin "));
    EXPECT_EQ(saisie.toStdString(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Cases, AjouterTerme,
                         testing::Values(Edit{"", "sin "}, Edit{"2", "2 * sin "},
                                         Edit{"(", "(sin "}, Edit{"-", "-sin "},
                                         Edit{"2 + ", "2 + sin "}, Edit{"(1)", "(1) * sin "}));

class AppendMinus : public testing::TestWithParam<Edit> {};

TEST_P(AppendMinus, StartsANegativeNumberOrSubtracts) {
    QString saisie = QString::fromUtf8(GetParam().before);
    appendMinus(saisie);
    EXPECT_EQ(saisie.toStdString(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Cases, AppendMinus,
                         testing::Values(Edit{"", "-"}, Edit{"2", "2 - "}, Edit{"(", "(-"},
                                         Edit{"2 * ", "2 * -"}, Edit{"1E", "1E-"},
                                         Edit{"-", "- -"}));

TEST(AppendPlus, KeepsAnExponentSignAttached) {
    QString exponent = QStringLiteral("1E");
    appendPlus(exponent);
    EXPECT_EQ(exponent, QStringLiteral("1E+"));
    QString sum = QStringLiteral("1");
    appendPlus(sum);
    EXPECT_EQ(sum, QStringLiteral("1 + "));
}

} // namespace
