#include "common/numerictext.h"

#include "common/asciidigits.h"

#include <cmath>

double leadingNumber(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < n && isAsciiDigit(text[i]))
        ++i, ++digits;
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && isAsciiDigit(text[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return 0.0;
    qsizetype end = i;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        if (j < n && isAsciiDigit(text[j])) {
            while (j < n && isAsciiDigit(text[j]))
                ++j;
            end = j;
        }
    }
    // Beyond the double range this gives an infinity, below it 0: both as wanted.
    return text.mid(start, end - start).toDouble();
}

int arrondi(double value) {
    return int(std::nearbyint(value));
}

qint16 roundToInt16(double value) {
    if (std::isnan(value))
        return 0;
    const double rounded = std::nearbyint(value); // the default mode rounds half to even
    if (rounded >= 32767.0)
        return 32767;
    if (rounded <= -32768.0)
        return -32768;
    return qint16(rounded);
}

qint16 numericTextToInt16(const QString& text) {
    return roundToInt16(leadingNumber(text));
}
