// Any text read as a numeric record: the value does not depend on leading spaces or
// on what follows the number, and a whole number in range reads as itself.

#include "common/numerictext.h"

#include <QString>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size));
    const double value = leadingNumber(text);
    const qint16 rounded = numericTextToInt16(text);
    if (rounded != roundToInt16(value))
        std::abort();
    if (numericTextToInt16(QStringLiteral("  ") + text) != rounded)
        std::abort();
    const double more = leadingNumber(text + u'x');
    if (!(more == value || (std::isnan(more) && std::isnan(value))))
        std::abort();
    if (std::isfinite(value) && std::abs(value) <= 32767.0 && value == std::trunc(value) &&
        rounded != qint16(value))
        std::abort();

    // The leading number of a whole number written out, then this text.
    const int whole = size >= 2 ? qint16(data[0] | data[1] << 8) : 0;
    if (numericTextToInt16(QString::number(whole) + QStringLiteral("x") + text) != whole)
        std::abort();
    return 0;
}
