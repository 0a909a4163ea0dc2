#include "quiz/statementrange.h"

#include <gtest/gtest.h>

namespace {

QString cut(const QString& text, int n) {
    const std::optional<StatementRange> range = statementRange(text, n);
    return range ? text.mid(range->start, range->length) : QStringLiteral("<none>");
}

TEST(StartMarker, NumberWrittenWithAtLeastTwoDigits) {
    EXPECT_EQ(startMarker(1), "#RP-01");
    EXPECT_EQ(startMarker(12), "#RP-12");
    EXPECT_EQ(startMarker(100), "#RP-100");
}

TEST(StatementRange, CutsBetweenTheMarkers) {
    const struct {
        const char* text;
        int n;
        const char* statement;
    } cases[] = {
        {"#RP-01\r\nQuelle particule ?\r\n#-o-O-o-#\r\n", 1, "Quelle particule ?\r\n"},
        {"intro\r\n#RP-01\r\nA\r\n#-o-O-o-#\r\n#RP-02\r\nB\r\n#-o-O-o-#", 2, "B\r\n"},
        {"#rp-01\r\nA#-O-O-O-#", 1, "A"},
        {"#RP-01\nAbc#-o-O-o-#", 1, "bc"},
        {"#RP-01\r\n#-o-O-o-#", 1, ""},
        {"#RP-01\r\nA#-o-O-o-#\r\n#RP-01\r\nB#-o-O-o-#", 1, "A"},
        {"#-o-O-o-#\r\n#RP-01\r\nA#-o-O-o-#", 1, "A"},
        {"#RP-100\r\nCent\r\n#-o-O-o-#", 100, "Cent\r\n"},
        {"#RP-10\r\nDix#-o-O-o-#\r\n#RP-100\r\nCent#-o-O-o-#", 100, "Cent"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cut(QString::fromUtf8(c.text), c.n), QString::fromUtf8(c.statement)) << c.text;
}

TEST(StatementRange, NoneWithoutBothMarkersInOrder) {
    const struct {
        const char* text;
        int n;
    } cases[] = {
        {"", 1},
        {"#RP-01\r\nA sans fin", 1},
        {"#-o-O-o-#\r\n#RP-01\r\nA", 1},
        {"#RP-01\r\nA#-o-O-o-#", 2},
        {"#RP-01#-o-O-o-#", 1},
        {"#RP-01\r#-o-O-o-#", 1},
        {"#RP-100#-o-O-o-#", 100},
        {"#RP-1\r\nA#-o-O-o-#", 1},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(statementRange(QString::fromUtf8(c.text), c.n).has_value()) << c.text;
}

} // namespace
