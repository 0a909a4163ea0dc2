#include "calculator/numbertext.h"

#include "common/asciidigits.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

// Walks a text character by character, skipping the blanks a number may hold.
class Reader {
public:
    explicit Reader(const QString& text) : text_(text) { skipBlanks(); }

    char peek() const {
        if (i_ >= text_.size() || text_[i_].unicode() >= 0x80)
            return '\0';
        return char(text_[i_].unicode());
    }
    void advance() {
        ++i_;
        skipBlanks();
    }

private:
    void skipBlanks() {
        while (i_ < text_.size() && (text_[i_] == u' ' || text_[i_] == u'\t' || text_[i_] == u'\n'))
            ++i_;
    }

    const QString& text_;
    qsizetype i_ = 0;
};

struct Parsed {
    std::string text; // what from_chars reads: no "+" sign, no blanks
    bool negative = false;
    long long integerDigits = 0;      // digits before the point
    long long leadingZeros = 0;       // zeros before the first significant digit
    bool hasSignificantDigit = false; // a digit other than 0
    long long exponent = 0;           // saturated far beyond any double's
};

void readMantissa(Reader& in, Parsed& out) {
    bool point = false;
    for (char c = in.peek();; c = in.peek()) {
        if (c == '.' && !point) {
            point = true;
        } else if (isAsciiDigit(c)) {
            if (!point)
                ++out.integerDigits;
            if (c != '0')
                out.hasSignificantDigit = true;
            else if (!out.hasSignificantDigit)
                ++out.leadingZeros;
        } else {
            return;
        }
        out.text.push_back(c);
        in.advance();
    }
}

// An "E" without digits after it (and its sign) is not an exponent; reading stops there.
void readExponent(Reader& in, Parsed& out) {
    if (in.peek() != 'E' && in.peek() != 'e')
        return;
    in.advance();
    bool negative = false;
    if (in.peek() == '+' || in.peek() == '-') {
        negative = in.peek() == '-';
        in.advance();
    }
    if (!isAsciiDigit(in.peek()))
        return;
    out.text += negative ? "E-" : "E";
    for (; isAsciiDigit(in.peek()); in.advance()) {
        out.text.push_back(in.peek());
        if (out.exponent < 1'000'000'000)
            out.exponent = out.exponent * 10 + (in.peek() - '0');
    }
    if (negative)
        out.exponent = -out.exponent;
}

QString fromAscii(const std::string& text) {
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

} // namespace

std::optional<double> valeurNombre(const QString& text) {
    Reader in(text);
    Parsed parsed;
    if (in.peek() == '+' || in.peek() == '-') {
        parsed.negative = in.peek() == '-';
        in.advance();
    }
    if (parsed.negative)
        parsed.text.push_back('-');
    readMantissa(in, parsed);
    if (parsed.text.find_first_of("0123456789") == std::string::npos)
        return 0.0;
    readExponent(in, parsed);

    double value = 0.0;
    const char* begin = parsed.text.data();
    if (std::from_chars(begin, begin + parsed.text.size(), value).ec == std::errc())
        return value;
    // Out of range either way: beyond the largest double, or below the smallest (read as 0).
    const long long magnitude = parsed.exponent + parsed.integerDigits - parsed.leadingZeros - 1;
    if (parsed.hasSignificantDigit && magnitude > 0)
        return std::nullopt;
    return parsed.negative ? -0.0 : 0.0;
}

QString texteNombre(double value) {
    if (!std::isfinite(value))
        return QString::number(value);
    if (value == 0.0)
        return QStringLiteral(" 0");
    char buffer[40];
    char* end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14).ptr;
    // [-]d.dddddddddddddde[+-]XX: 15 significant digits, correctly rounded
    const std::string scientific(buffer, end);
    const bool negative = scientific[0] == '-';
    const std::size_t e = scientific.find('e');
    std::string digits;
    for (std::size_t i = negative ? 1 : 0; i < e; ++i)
        if (scientific[i] != '.')
            digits.push_back(scientific[i]);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int exponent = std::stoi(scientific.substr(e + 1));

    std::string text(1, negative ? '-' : ' ');
    if (exponent >= 15 || exponent <= -5) {
        text += digits[0];
        if (digits.size() > 1)
            text += '.' + digits.substr(1);
        char exponentText[8];
        std::snprintf(exponentText, sizeof exponentText, "E%c%02d", exponent < 0 ? '-' : '+',
                      std::abs(exponent));
        text += exponentText;
    } else if (exponent >= 0) {
        const std::size_t integerDigits = std::size_t(exponent) + 1;
        if (digits.size() <= integerDigits)
            text += digits + std::string(integerDigits - digits.size(), '0');
        else
            text += digits.substr(0, integerDigits) + '.' + digits.substr(integerDigits);
    } else {
        text += '.' + std::string(std::size_t(-exponent - 1), '0') + digits;
    }
    return fromAscii(text);
}

QString formeScientifique(double value) {
    if (value == 0.0)
        value = 0.0; // no "-0."
    char buffer[40];
    char* end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 7).ptr;
    // [-]d.ddddddde[+-]XX
    const std::string scientific(buffer, end);
    const std::size_t e = scientific.find('e');
    std::string mantissa = scientific.substr(0, e);
    while (mantissa.back() == '0')
        mantissa.pop_back();
    return fromAscii(mantissa + 'E' + scientific.substr(e + 1));
}
