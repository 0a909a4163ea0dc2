#include "quiz/judgement.h"

#include <gtest/gtest.h>

namespace {

QuestionRecord choiceQuestion(qint16 nbChoix, qint16 attendu) {
    QuestionRecord q;
    q.nature = 1;
    q.nbChoix = nbChoix;
    q.attendu = attendu;
    return q;
}

TEST(SingleChoiceRight, OnlyTheExpectedShownChoice) {
    const struct {
        qint16 nbChoix;
        qint16 attendu;
        int selected;
        bool right;
    } cases[] = {
        {3, 1, 1, true},  {3, 1, 0, false},   {3, 1, -1, false}, {3, 0, 0, true}, {3, 3, 3, false},
        {3, 5, 5, false}, {3, -1, -1, false}, {0, 0, 0, false},  {5, 4, 4, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(singleChoiceRight(choiceQuestion(c.nbChoix, c.attendu), c.selected), c.right)
            << c.nbChoix << ' ' << c.attendu << ' ' << c.selected;
}

TEST(MultipleChoiceRight, TheTickedCodeMustEqualTheExpectedOne) {
    EXPECT_TRUE(multipleChoiceRight(choiceQuestion(3, 101), 101));
    EXPECT_FALSE(multipleChoiceRight(choiceQuestion(3, 101), 1));
    EXPECT_FALSE(multipleChoiceRight(choiceQuestion(3, 101), 111));
    EXPECT_TRUE(multipleChoiceRight(choiceQuestion(5, 11111), 11111));
    EXPECT_TRUE(multipleChoiceRight(choiceQuestion(2, 1), 1));
}

TEST(ScorePercent, RoundsHalfToEven) {
    const struct {
        int right;
        int total;
        int percent;
    } cases[] = {{2, 3, 67},  {1, 8, 12}, {3, 8, 38},  {3, 4, 75}, {0, 5, 0},
                 {5, 5, 100}, {1, 3, 33}, {1, 200, 0}, {1, 0, 0},  {0, -2, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(scorePercent(c.right, c.total), c.percent) << c.right << '/' << c.total;
}

TEST(FaceNumber, FollowsTheShareOfRightAnswers) {
    const struct {
        int answered;
        int right;
        int face;
    } cases[] = {{3, 3, 7}, {3, 0, 1}, {2, 1, 4}, {3, 2, 5},
                 {1, 1, 7}, {7, 6, 7}, {8, 1, 1}, {100, 99, 7}};
    for (const auto& c : cases)
        EXPECT_EQ(faceNumber(c.answered, c.right), c.face) << c.right << '/' << c.answered;
    EXPECT_EQ(faceNumber(0, 0), std::nullopt);
}

} // namespace
