#pragma once

#include "quiz/testfile.h"

#include <optional>

// Judging a validated choice answer and summing up a session.

// `selected` is the index of the selected option, or −1 for none. An expected
// index that names no shown choice can never be selected: the answer is wrong.
bool singleChoiceRight(const QuestionRecord& question, int selected);

// `tickedCode` is the sum of 10^i over the ticked boxes i.
bool multipleChoiceRight(const QuestionRecord& question, int tickedCode);

// right × 100 ÷ total, rounded half to even (2 of 3 → 67, 1 of 8 → 12); 0 when
// total is not positive.
int scorePercent(int right, int total);

// Face picture 1..7 of the image list, in order of increasing success:
// ⌊right × 7 ÷ answered⌋ + 1, capped at 7; none (keep the face shown) before any answer.
std::optional<int> faceNumber(int answered, int right);
