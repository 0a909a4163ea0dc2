#pragma once

#include <array>

// A multiple-choice answer, expected by the test file and saved in the session, is one
// number: the sum of 10^i over the ticked boxes i (box 0 counts 1, box 4 counts 10000).

inline constexpr int answerBoxCount = 5;
using AnswerBoxes = std::array<bool, answerBoxCount>;

int answerCode(const AnswerBoxes& ticked);

// The boxes a code ticks among those shown, read from the last: each shown box takes
// its power of ten while what is left of the code still holds it; a hidden box takes
// nothing and stays unticked.
AnswerBoxes tickedBoxes(int code, const AnswerBoxes& shown);
