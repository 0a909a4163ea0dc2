#include "quiz/judgement.h"

#include "common/numerictext.h"

#include <algorithm>

bool singleChoiceRight(const QuestionRecord& question, int selected) {
    const bool expectedShown = question.attendu >= 0 && question.attendu < question.nbChoix;
    return expectedShown && selected == question.attendu;
}

bool multipleChoiceRight(const QuestionRecord& question, int tickedCode) {
    return tickedCode == question.attendu;
}

int scorePercent(int right, int total) {
    if (total <= 0)
        return 0;
    return roundToInt16(right * 100.0 / total);
}

std::optional<int> faceNumber(int answered, int right) {
    if (answered <= 0)
        return std::nullopt;
    return std::clamp(right * 7 / answered + 1, 1, 7);
}
