#pragma once

// Text access by 1-based character positions, as the evaluator's rules count them.
// A position beyond either end holds the null character.

#include "calculator/evaluatorsteps.h"

#include <QString>
#include <cstdint>

namespace evaluation {

inline QChar charAt(const QString& s, qsizetype p) {
    return p >= 1 && p <= s.size() ? s[p - 1] : QChar();
}

inline bool textAt(const QString& s, qsizetype p, QStringView t) {
    return p >= 1 && p - 1 + t.size() <= s.size() && QStringView(s).sliced(p - 1, t.size()) == t;
}

// The first position from start on where t stands, 0 if none.
inline qsizetype findFrom(const QString& s, qsizetype start, QStringView t) {
    if (start < 1 || start > s.size())
        return 0;
    return s.indexOf(t, start - 1) + 1;
}

// The last position of c at or before p, 0 if none.
inline qsizetype findBackFrom(const QString& s, qsizetype p, QChar c) {
    if (p < 1)
        return 0;
    return s.lastIndexOf(c, qMin(p, s.size()) - 1) + 1;
}

// The characters from position start on (none beyond the end); a negative length is a fault.
inline QString part(const QString& s, qsizetype start, qsizetype length) {
    if (length < 0 || start < 1)
        throw StepFault{};
    return s.mid(start - 1, length);
}

inline QString from(const QString& s, qsizetype start) {
    return start > s.size() ? QString() : s.mid(start - 1);
}

inline QString upTo(const QString& s, qsizetype length) {
    return s.left(qMax<qsizetype>(length, 0));
}

inline void increment(qint16& counter) {
    if (counter == INT16_MAX)
        throw StepFault{};
    ++counter;
}

inline void decrement(qint16& counter) {
    if (counter == INT16_MIN)
        throw StepFault{};
    --counter;
}

} // namespace evaluation
