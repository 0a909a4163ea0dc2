#include "common/spaces.h"

#include <gtest/gtest.h>

TEST(TrimSpaces, RemovesSpacesOnlyAtBothEnds) {
    EXPECT_EQ(trimSpaces(QStringLiteral("  2.01 ")), QStringLiteral("2.01"));
    EXPECT_EQ(trimSpaces(QStringLiteral("   ")), QString());
    EXPECT_EQ(trimSpaces(QStringLiteral("\r")), QStringLiteral("\r"));
    EXPECT_EQ(trimSpaces(QStringLiteral(" a b\t ")), QStringLiteral("a b\t"));
}
