#include "platform/richtext/richtextbox.h"

#include <gtest/gtest.h>

namespace {

TEST(RichTextBox, CountsAParagraphBreakAsTwoCharacters) {
    RichTextBox box;
    box.replaceSelection(QStringLiteral("ab\r\ncd"));
    EXPECT_EQ(box.plainText(), QStringLiteral("ab\r\ncd"));
    EXPECT_EQ(box.plainLength(), 6);
}

} // namespace
