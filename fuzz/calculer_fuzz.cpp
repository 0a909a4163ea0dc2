// Any text, in both angle units: the evaluator returns within its cycle limit with a
// code from 0 to 3, and a success leaves a text without spaces.

#include "calculator/evaluatorsteps.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString entry = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const qint16 modeAngle : {qint16(0), qint16(1)}) {
        QString expression = entry;
        qint16 codeErreur = -1;
        const int cycles = evaluation::evaluer(expression, codeErreur, modeAngle);
        if (cycles > evaluation::limiteCycles + 1 || codeErreur < 0 || codeErreur > 3)
            std::abort();
        if (codeErreur == 0 && expression.contains(u' '))
            std::abort();
    }
    return 0;
}
