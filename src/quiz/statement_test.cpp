#include "platform/richtext/richtextbox.h"
#include "quiz/statement.h"

#include <gtest/gtest.h>

namespace {

// The statement as a box would show it once put into one.
QString shown(const std::optional<QTextDocumentFragment>& statement) {
    if (!statement)
        return QStringLiteral("<none>");
    RichTextBox box;
    box.replaceSelection(*statement);
    return box.plainText();
}

RichTextBox* documentOf(const char* rtf) {
    auto* box = new RichTextBox;
    box->loadRtf(QByteArray(rtf));
    return box;
}

TEST(ExtractStatement, CutsAfterTheMarkerAndItsParagraphBreak) {
    std::unique_ptr<RichTextBox> document(
        documentOf("{\\rtf1\\ansi #RP-01\\par Quelle particule porte une charge "
                   "n\\'e9gative ?\\par #-o-O-o-#\\par #RP-02\\par Le {\\b noyau}\\par "
                   "#-o-O-o-#\\par}"));
    EXPECT_EQ(shown(extractStatement(*document, 1)),
              QString::fromUtf8("Quelle particule porte une charge négative ?\r\n"));
    EXPECT_EQ(shown(extractStatement(*document, 2)), QStringLiteral("Le noyau\r\n"));
    EXPECT_EQ(document->selectedText(), QStringLiteral("Le noyau\r\n"));
    EXPECT_FALSE(extractStatement(*document, 3).has_value());
}

TEST(ExtractStatement, KeepsTheFormatting) {
    std::unique_ptr<RichTextBox> document(
        documentOf("{\\rtf1\\ansi #RP-01\\par Le {\\b noyau}#-o-O-o-#}"));
    const std::optional<QTextDocumentFragment> statement = extractStatement(*document, 1);
    ASSERT_TRUE(statement.has_value());
    RichTextBox box;
    box.replaceSelection(*statement);
    box.select(3, 5);
    EXPECT_EQ(box.selectedText(), QStringLiteral("noyau"));
    EXPECT_TRUE(box.selectionBold());
    box.select(0, 2);
    EXPECT_FALSE(box.selectionBold());
}

TEST(ExtractStatement, ASingleCharacterBreakCostsTheFirstCharacter) {
    std::unique_ptr<RichTextBox> document(documentOf("{\\rtf1\\ansi #RP-01\\line Abc#-o-O-o-#}"));
    EXPECT_EQ(shown(extractStatement(*document, 1)), QStringLiteral("bc"));
}

TEST(ExtractStatement, NoneWhenTheEndMarkerFallsInsideTheSkippedBreak) {
    std::unique_ptr<RichTextBox> document(documentOf("{\\rtf1\\ansi #RP-01#-o-O-o-#}"));
    EXPECT_FALSE(extractStatement(*document, 1).has_value());
}

} // namespace
