#include "platform/richtext/boxtext.h"
#include "platform/richtext/rtfreader.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <gtest/gtest.h>

// A course page written in LibreOffice Writer (testdata/solutions.fodt) and saved as
// RTF, once directly and once through a "Word 97" .doc: headings, a numbered and a
// bulleted list, two footnotes, H₂O and 10⁵, small capitals and capitals, a table
// holding a nested table, and a picture.
namespace {

QString lines(const QStringList& parts) {
    return parts.join(u"\r\n"_qs);
}

const QString pageBefore = lines({
    u"\tL’eau et ses solutions"_qs,
    u"La molécule d’eau H2O est polaire1. Une goutte contient environ 105 milliards de "
    u"molécules2."_qs,
    u"\tPréparer une solution"_qs,
    u" 1.\tPeser le soluté."_qs,
    u" 2.\tLe dissoudre dans un peu d’eau."_qs,
    u" 3.\tCompléter jusqu’au trait de jauge."_qs,
    u"\tLe matériel"_qs,
});

const QString pageAfter = lines({
    u"Selon Lavoisier, rien ne se perd. attention : portez des lunettes."_qs,
    u"Espèce\tComposition"_qs,
    u"Eau\tAtomes :"_qs,
    u"hydrogène\tdeux"_qs,
    u"oxygène\tun"_qs,
});

const QString notes = lines({
    u"1\tSa forme coudée le montre : l’angle vaut 104,5°."_qs,
    u"2\tOrdre de grandeur seulement."_qs,
});

const struct Fixture {
    const char* file;
    QString text;
} fixtures[] = {
    {"solutions-writer.rtf",
     lines({pageBefore, u" •\tune fiole jaugée ;"_qs, u" •\tune balance."_qs, pageAfter,
            u"Figure : \uFFFC une molécule."_qs, u""_qs, notes})},
    // Through Word 97 the bullets lose their space, and the outer row its end.
    {"solutions-word97.rtf",
     lines({pageBefore, u"•\tune fiole jaugée ;"_qs, u"•\tune balance."_qs, pageAfter, u""_qs,
            u"Figure : \uFFFC une molécule."_qs, u""_qs, notes})},
};

QTextCharFormat formatOf(const QTextDocument& doc, const QString& text, int offset = 0) {
    const int at = doc.toPlainText().indexOf(text);
    EXPECT_GE(at, 0) << text.toStdString();
    QTextCursor cursor(const_cast<QTextDocument*>(&doc));
    cursor.setPosition(at + offset + 1);
    return cursor.charFormat();
}

class WriterFixture : public testing::TestWithParam<Fixture> {
protected:
    void SetUp() override {
        ASSERT_TRUE(readRtfFile(
            QStringLiteral(RICHTEXT_TESTDATA "/") + QLatin1String(GetParam().file), doc));
    }
    QTextDocument doc;
};

TEST_P(WriterFixture, HoldsThePageText) {
    EXPECT_EQ(boxtext::plainText(doc), GetParam().text);
}

TEST_P(WriterFixture, HoldsThePageFormatting) {
    const QTextCharFormat title = formatOf(doc, u"L’eau"_qs);
    EXPECT_TRUE(title.font().bold());
    EXPECT_EQ(title.fontPointSize(), 16);
    EXPECT_EQ(formatOf(doc, u"Préparer"_qs).fontPointSize(), 13);
    EXPECT_FALSE(formatOf(doc, u"Peser"_qs).font().bold());
    EXPECT_EQ(formatOf(doc, u"H2O"_qs, 1).verticalAlignment(), QTextCharFormat::AlignSubScript);
    EXPECT_EQ(formatOf(doc, u"H2O"_qs, 2).verticalAlignment(), QTextCharFormat::AlignNormal);
    EXPECT_EQ(formatOf(doc, u"105"_qs, 2).verticalAlignment(), QTextCharFormat::AlignSuperScript);
    EXPECT_EQ(formatOf(doc, u"polaire1"_qs, 7).verticalAlignment(),
              QTextCharFormat::AlignSuperScript);
    EXPECT_EQ(formatOf(doc, u"molécules2"_qs, 9).verticalAlignment(),
              QTextCharFormat::AlignSuperScript);
    EXPECT_EQ(formatOf(doc, u"Lavoisier"_qs).fontCapitalization(), QFont::SmallCaps);
    EXPECT_EQ(formatOf(doc, u"attention"_qs).fontCapitalization(), QFont::AllUppercase);
    EXPECT_EQ(formatOf(doc, u"Selon"_qs).fontCapitalization(), QFont::MixedCase);
    EXPECT_EQ(formatOf(doc, u"Ordre"_qs).fontPointSize(), 10);

    int pictures = 0;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            ++pictures;
            // 1.2 cm × 0.8 cm on the page.
            EXPECT_NEAR(format.toImageFormat().width(), 45, 1);
            EXPECT_NEAR(format.toImageFormat().height(), 30, 1);
        }
    }
    EXPECT_EQ(pictures, 1);
}

INSTANTIATE_TEST_SUITE_P(RtfReader, WriterFixture, testing::ValuesIn(fixtures),
                         [](const auto& info) { return info.index == 0 ? "Writer" : "Word97"; });

} // namespace
