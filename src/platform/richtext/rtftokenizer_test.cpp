#include "platform/richtext/rtftokenizer.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// The tokens of an input, one short text each.
QString tokensOf(QByteArrayView rtf) {
    RtfTokenizer tokenizer(rtf);
    QStringList tokens;
    for (RtfToken token = tokenizer.next(); token.kind != RtfToken::End; token = tokenizer.next()) {
        switch (token.kind) {
        case RtfToken::GroupStart:
            tokens << QStringLiteral("{");
            break;
        case RtfToken::GroupEnd:
            tokens << QStringLiteral("}");
            break;
        case RtfToken::ControlWord:
            tokens << u'\\' + QString::fromLatin1(token.word) +
                          (token.hasParameter ? QString::number(token.parameter) : QString());
            break;
        case RtfToken::ControlSymbol:
            tokens << u'\\' + QString(QLatin1Char(token.symbol));
            break;
        case RtfToken::Text:
            tokens << u'"' + QString::fromLatin1(token.bytes) + u'"';
            break;
        case RtfToken::HexByte:
            tokens << QStringLiteral("x%1").arg(token.byte, 2, 16, QChar(u'0'));
            break;
        case RtfToken::Binary:
            tokens << QStringLiteral("bin:") + QString::fromLatin1(token.bytes);
            break;
        default:
            break;
        }
    }
    return tokens.join(u' ');
}

TEST(RtfTokenizer, SplitsRtfIntoTokens) {
    const struct {
        QByteArrayView rtf;
        const char* tokens;
    } cases[] = {
        {"{\\b gras}", R"({ \b "gras" })"},
        {"\\fs24  deux", R"(\fs24 " deux")"},
        {"\\li-360x\\b0\\'e9\\'E9", R"(\li-360 "x" \b0 xe9 xe9)"},
        {"a\r\nb\\\nc", R"("a" "b" \par "c")"},
        {"\\*\\~\\{\\'zz", R"(\* \~ \{ "zz")"},
        {"\\fs99999999999999999 \\u-99999999999", R"(\fs2147483647 \u-2147483647)"},
        {"\\bin3 }{\\x}", R"(bin:}{\ "x" })"},
        {"\\bin99 ab", "bin:ab"},
        {"\\bin-4 ab", R"(bin: "ab")"},
        {"\\", ""},
        {"\\'e", R"("e")"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tokensOf(c.rtf), QString::fromLatin1(c.tokens)) << c.rtf.data();
}

} // namespace
