// The calculator's numbers both ways: any double written by texteNombre reads back
// within its 15 digits and writes again as the same text, and any text read by
// valeurNombre gives a number that does the same.

#include "calculator/numbertext.h"

#include <QString>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// Written, read back and written again: the same text, one leading space exactly
// when the number is not negative, at most 15 significant digits.
void checkRoundTrip(double value) {
    if (!std::isfinite(value))
        return;
    const QString text = texteNombre(value);
    if (text.isEmpty() || (text[0] == u' ') != !(value < 0.0) ||
        (text[0] != u' ' && text[0] != u'-'))
        std::abort();
    if (text.mid(1).startsWith(QStringLiteral("0.")))
        std::abort();
    QString digits = text.mid(1).section(u'E', 0, 0).remove(u'.');
    while (digits.size() > 1 && digits.startsWith(u'0'))
        digits.remove(0, 1);
    if (digits.size() > 15)
        std::abort();
    const std::optional<double> read = valeurNombre(text);
    // Within the last digit of the largest double, 15 digits round beyond it, and a
    // number beyond the double range is an arithmetic fault when read.
    if (!read && std::abs(value) > 1.79769313486231e308)
        return;
    if (!read || std::abs(*read - value) > 1e-14 * std::abs(value))
        std::abort();
    if (texteNombre(*read) != text)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        checkRoundTrip(value);
    }
    const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<double> read = valeurNombre(text);
    if (read != valeurNombre(QStringLiteral(" \t\n") + text))
        std::abort();
    if (read)
        checkRoundTrip(*read);
    return 0;
}
