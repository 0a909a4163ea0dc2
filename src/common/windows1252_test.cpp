#include "common/windows1252.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

// The code page's table is written out by hand: every character is checked against
// the system's converter (bytes are, by the record file's tests).
TEST(Windows1252, EncodesExactlyTheCharactersTheSystemsConverterEncodes) {
    int encodable = 0;
    for (int unicode = 0; unicode < 0x10000; ++unicode) {
        if (QChar::isSurrogate(char32_t(unicode)))
            continue;
        const QString text{QChar(char16_t(unicode))};
        QStringEncoder converter("windows-1252");
        const QByteArray expected = converter.encode(text);
        const std::optional<QByteArray> bytes = windows1252::encode(text);
        if (converter.hasError()) {
            EXPECT_FALSE(bytes) << unicode;
        } else {
            ASSERT_TRUE(bytes) << unicode;
            EXPECT_EQ(*bytes, expected) << unicode;
            ++encodable;
        }
    }
    EXPECT_EQ(encodable, 256);
}

// A half of a surrogate pair has no byte: the text is refused rather than stored
// without it.
TEST(Windows1252, RefusesCharactersOutsideTheCodePage) {
    for (const QString& text : {QStringLiteral("a\u0100"), QString::fromUcs4(U"\U0001F600"),
                                QString(QChar(char16_t(0xD800))), QString(QChar(char16_t(0x80)))})
        EXPECT_FALSE(windows1252::encode(text)) << text.toStdString();
    EXPECT_EQ(windows1252::encode(QStringLiteral("été €")), QByteArray("\xE9t\xE9 \x80"));
}
