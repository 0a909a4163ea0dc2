#include "tools/coursepack/tryanswer.h"

#include "quiz/answermatching.h"

bool tryAnswer(const QString& motCle, const QString& answer, QTextStream& out) {
    const bool right = reponseCorrespond(answer, motCle) == 1;
    out << "folded answer: \"" << normaliserReponse(answer) << "\"\n";
    const QString folded = normaliserReponse(motCle);
    if (folded != motCle.toLower())
        out << "note: the key word is not in folded form, write \"" << folded << "\"\n";
    out << (right ? "right" : "wrong") << '\n';
    return right;
}
