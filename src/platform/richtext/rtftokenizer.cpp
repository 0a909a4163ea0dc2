#include "platform/richtext/rtftokenizer.h"

#include <algorithm>
#include <climits>

namespace {

RtfToken tokenOf(RtfToken::Kind kind) {
    RtfToken token;
    token.kind = kind;
    return token;
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

int rtfHexValue(char c) {
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

RtfToken RtfTokenizer::next() {
    while (at < input.size()) {
        const char c = input[at];
        if (c == '{') {
            ++at;
            return tokenOf(RtfToken::GroupStart);
        }
        if (c == '}') {
            ++at;
            return tokenOf(RtfToken::GroupEnd);
        }
        if (c == '\\') {
            ++at;
            if (at >= input.size())
                break;
            const RtfToken token = isLetter(input[at]) ? controlWord() : controlSymbol();
            if (token.kind == RtfToken::Text)
                continue; // a \' without its two hex digits stands for nothing
            return token;
        }
        if (c == '\r' || c == '\n') {
            ++at;
            continue;
        }
        const qsizetype start = at;
        while (at < input.size() && input[at] != '{' && input[at] != '}' && input[at] != '\\' &&
               input[at] != '\r' && input[at] != '\n')
            ++at;
        RtfToken token = tokenOf(RtfToken::Text);
        token.bytes = input.sliced(start, at - start);
        return token;
    }
    return tokenOf(RtfToken::End);
}

RtfToken RtfTokenizer::controlWord() {
    RtfToken token = tokenOf(RtfToken::ControlWord);
    const qsizetype start = at;
    while (at < input.size() && isLetter(input[at]))
        ++at;
    token.word = input.sliced(start, at - start);
    bool negative = false;
    if (at + 1 < input.size() && input[at] == '-' && isDigit(input[at + 1])) {
        negative = true;
        ++at;
    }
    if (at < input.size() && isDigit(input[at])) {
        token.hasParameter = true;
        long long value = 0;
        while (at < input.size() && isDigit(input[at])) {
            value = std::min(value * 10 + (input[at] - '0'), static_cast<long long>(INT_MAX));
            ++at;
        }
        token.parameter = static_cast<int>(negative ? -value : value);
    }
    if (at < input.size() && input[at] == ' ')
        ++at;
    if (token.word == "bin") {
        const qsizetype length =
            std::min<qsizetype>(std::max(token.parameter, 0), input.size() - at);
        RtfToken binary = tokenOf(RtfToken::Binary);
        binary.bytes = input.sliced(at, length);
        at += length;
        return binary;
    }
    return token;
}

RtfToken RtfTokenizer::controlSymbol() {
    const char c = input[at++];
    if (c == '\'') {
        if (at + 1 < input.size()) {
            const int high = rtfHexValue(input[at]);
            const int low = rtfHexValue(input[at + 1]);
            if (high >= 0 && low >= 0) {
                at += 2;
                RtfToken token = tokenOf(RtfToken::HexByte);
                token.byte = static_cast<unsigned char>(high * 16 + low);
                return token;
            }
        }
        return tokenOf(RtfToken::Text);
    }
    if (c == '\r' || c == '\n') {
        // A backslash before a line end is a paragraph mark.
        RtfToken token = tokenOf(RtfToken::ControlWord);
        token.word = "par";
        return token;
    }
    RtfToken token = tokenOf(RtfToken::ControlSymbol);
    token.symbol = c;
    return token;
}
