#include "quiz/answercode.h"

#include <gtest/gtest.h>

namespace {

constexpr AnswerBoxes allShown{true, true, true, true, true};

TEST(AnswerCode, EachTickedBoxAddsItsPowerOfTen) {
    EXPECT_EQ(answerCode({}), 0);
    EXPECT_EQ(answerCode({true, false, true, false, false}), 101);
    EXPECT_EQ(answerCode(allShown), 11111);
}

TEST(TickedBoxes, ReadBackWhatWasSaved) {
    for (const AnswerBoxes& ticked : {AnswerBoxes{}, AnswerBoxes{true, false, true, false, false},
                                      AnswerBoxes{false, false, false, false, true}, allShown})
        EXPECT_EQ(tickedBoxes(answerCode(ticked), allShown), ticked);
}

// Codes no ticking can give (a digit 2, a box beyond those shown) are read from the
// last box down, each taking what it can.
TEST(TickedBoxes, AnOddCodeIsReadFromTheLastShownBoxDown) {
    const struct {
        int code;
        AnswerBoxes shown;
        AnswerBoxes ticked;
    } cases[] = {
        {20, allShown, {true, true, false, false, false}},
        {-1, allShown, {}},
        {10100, {true, true, true, false, false}, {true, true, true, false, false}},
        {100000, allShown, allShown},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tickedBoxes(c.code, c.shown), c.ticked) << c.code;
}

} // namespace
