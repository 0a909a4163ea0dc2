#include "quiz/answercode.h"

#include <cstddef>

namespace {

constexpr std::array<int, answerBoxCount> powersOfTen{1, 10, 100, 1000, 10000};

} // namespace

int answerCode(const AnswerBoxes& ticked) {
    int code = 0;
    for (std::size_t i = 0; i < ticked.size(); ++i)
        if (ticked[i])
            code += powersOfTen[i];
    return code;
}

AnswerBoxes tickedBoxes(int code, const AnswerBoxes& shown) {
    AnswerBoxes ticked{};
    for (std::size_t i = shown.size(); i-- > 0;) {
        if (!shown[i] || powersOfTen[i] > code)
            continue;
        ticked[i] = true;
        code -= powersOfTen[i];
    }
    return ticked;
}
