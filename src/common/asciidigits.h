#pragma once

#include <QChar>

// Numbers in course files and calculator entries are written with 0 to 9 only; other
// scripts' digits are text like any other.
inline bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

inline bool isAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}
