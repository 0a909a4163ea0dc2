#include "platform/richtext/boxtext.h"
#include "platform/richtext/rtfreader.h"
#include "platform/richtext/rtftestdocuments.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

using rtftest::document;

QString plainTextOf(const QByteArray& rtf) {
    QTextDocument doc;
    readRtf(rtf, doc);
    return boxtext::plainText(doc);
}

QTextCharFormat formatAt(const QTextDocument& doc, int cursorPosition) {
    QTextCursor cursor(const_cast<QTextDocument*>(&doc));
    cursor.setPosition(cursorPosition + 1);
    return cursor.charFormat();
}

struct TextCase {
    const char* body;
    const char16_t* expected;
};

TEST(RtfReader, ReadsTheTextAsWordProcessorsWriteIt) {
    const TextCase cases[] = {
        {"L\\'92\\'e9nergie \\'e0 \\'ab co\\'fbt \\'bb", u"L’énergie à « coût »"},
        {"5 \\'80, \\'9cuvre, l\\'92eau, \\'93oui\\'94", u"5 €, œuvre, l’eau, “oui”"},
        {"\\u339?uvre \\u8364?", u"œuvre €"},
        {"{\\uc2\\u8364\\'80\\'80}x", u"€x"},
        {"\\uc0\\u8217 x\\u-4064 ", u"’x\uF020"},
        {"\\lquote a\\rquote \\ldblquote b\\rdblquote \\endash\\emdash\\bullet", u"‘a’“b”–—•"},
        {"a\\~b\\_c\\{\\}\\\\d\\-e", u"a\u00A0b\u2011c{}\\d\u00ADe"},
        {"a\\line b\\tab c", u"a\vb\tc"},
        {"un\\par deux\\par\\par trois", u"un\r\ndeux\r\n\r\ntrois"},
        {"{\\*\\inconnu cach\\'e9}{\\inconnu vu}\\motinconnu5 x", u"vux"},
        {"{\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt lien}}", u"lien"},
        {"{\\field{\\*\\fldinst SYMBOL 97 \\\\f \"Symbol\"}{\\fldrslt{\\f2 a}}}", u"α"},
        {"\\f2 a\\'b0p\\'b4\\f0 x", u"α°π×x"},
        {"{\\f2\\uc0\\u61552 \\u61472 }z", u"π z"},
        {"\\f3\\'c0\\'e1", u"Аб"},
        {"{\\object\\objemb{\\*\\objclass Equation}{\\*\\objdata 0102}{\\result r\\'e9sultat}}",
         u"résultat"},
        {"{\\header en-t\\'eate}{\\v cach\\'e9{\\footnote note}}corps", u"corps"},
        {"{\\caps minuscule} et {\\scaps Lavoisier}", u"minuscule et Lavoisier"},
        {"\\trowd\\cellx1000\\cellx2000\\intbl a\\cell b\\cell\\row\\trowd\\cellx1000\\intbl "
         "c\\cell\\row\\pard d",
         u"a\tb\r\nc\r\nd"},
        {"{\\pntext\\'b7\\tab}puce", u"·\tpuce"},
        {"\\uc0 a\\u13 b\\u10 c\\u8233 d\\u-560 e\\u-559 f\\u65532 g\x01\\'07h\\u8232 i",
         u"abcdefgh\vi"},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(plainTextOf(document(c.body)),
                  QString::fromUtf16(c.expected) + QStringLiteral("\r\n"))
            << c.body;
    }
}

TEST(RtfReader, FormatsCharacters) {
    QTextDocument doc;
    readRtf(document("{\\b gras}{\\i ital}{\\ul soul}{\\strike barre}{\\f1\\fs28 arial}"
                     "{\\cf1 rouge}{\\super 2}{\\sub 3}{\\up6 h}{\\b\\plain p}"),
            doc);
    const QString text = doc.toPlainText();
    auto at = [&](const char* word) { return formatAt(doc, text.indexOf(QLatin1String(word))); };
    EXPECT_TRUE(at("gras").font().bold());
    EXPECT_FALSE(at("ital").font().bold());
    EXPECT_TRUE(at("ital").font().italic());
    EXPECT_TRUE(at("soul").font().underline());
    EXPECT_TRUE(at("barre").font().strikeOut());
    EXPECT_EQ(at("arial").fontFamilies().toStringList(), QStringList{u"Arial"_qs});
    EXPECT_EQ(at("arial").fontPointSize(), 14);
    EXPECT_EQ(at("gras").fontPointSize(), 12);
    EXPECT_EQ(at("rouge").foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(at("2").verticalAlignment(), QTextCharFormat::AlignSuperScript);
    EXPECT_EQ(at("3").verticalAlignment(), QTextCharFormat::AlignSubScript);
    EXPECT_GT(at("h").baselineOffset(), 0);
    EXPECT_FALSE(at("p").font().bold());
}

TEST(RtfReader, GivesARunItsOwnFormatWhenAnEarlierOneComesBack) {
    QTextDocument doc;
    readRtf(document("{\\b a}{\\i b}{\\b c}{\\cf1 d}{\\cf2 e}{\\cf1 f}{\\i g}h{\\b i}"), doc);
    const struct {
        int position;
        bool bold;
        bool italic;
        QColor colour;
    } runs[] = {
        {0, true, false, {}},
        {1, false, true, {}},
        {2, true, false, {}},
        {3, false, false, Qt::red},
        {4, false, false, QColor(0, 128, 0)},
        {5, false, false, Qt::red},
        {6, false, true, {}},
        {7, false, false, {}},
        {8, true, false, {}},
    };
    for (const auto& run : runs) {
        const QTextCharFormat format = formatAt(doc, run.position);
        EXPECT_EQ(format.font().bold(), run.bold) << run.position;
        EXPECT_EQ(format.font().italic(), run.italic) << run.position;
        EXPECT_EQ(format.foreground().color(),
                  run.colour.isValid() ? run.colour : QColor(Qt::black))
            << run.position;
    }
}

TEST(RtfReader, FormatsParagraphsAndResetsThemOnPard) {
    QTextDocument doc;
    readRtf(document("\\qc\\li720\\ri360\\fi-360\\sb120\\sa240\\tqr\\tx1440\\tx3000 centre\\par "
                     "suite\\par\\pard gauche\\par\\qj\\par\\qr droite"),
            doc);
    ASSERT_EQ(doc.blockCount(), 6);
    const QTextBlockFormat first = doc.findBlockByNumber(0).blockFormat();
    EXPECT_EQ(first.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(first.leftMargin(), 48);
    EXPECT_EQ(first.rightMargin(), 24);
    EXPECT_EQ(first.textIndent(), -24);
    EXPECT_EQ(first.topMargin(), 8);
    EXPECT_EQ(first.bottomMargin(), 16);
    ASSERT_EQ(first.tabPositions().size(), 2);
    EXPECT_EQ(first.tabPositions()[0].position, 96);
    EXPECT_EQ(first.tabPositions()[0].type, QTextOption::RightTab);
    EXPECT_EQ(first.tabPositions()[1].type, QTextOption::LeftTab);
    // Without \pard a paragraph keeps the properties in force.
    EXPECT_EQ(doc.findBlockByNumber(1).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    const QTextBlockFormat reset = doc.findBlockByNumber(2).blockFormat();
    EXPECT_EQ(reset.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_EQ(reset.leftMargin(), 0);
    EXPECT_TRUE(reset.tabPositions().isEmpty());
    EXPECT_EQ(doc.findBlockByNumber(3).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignJustify);
    EXPECT_EQ(doc.findBlockByNumber(4).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
}

QTextImageFormat onlyImage(const QTextDocument& doc) {
    QTextImageFormat found;
    int count = 0;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat()) {
                found = it.fragment().charFormat().toImageFormat();
                ++count;
            }
    EXPECT_EQ(count, 1);
    return found;
}

QImage resourceOf(const QTextDocument& doc, const QTextImageFormat& format) {
    return doc.resource(QTextDocument::ImageResource, QUrl(format.name())).value<QImage>();
}

TEST(RtfReader, ShowsPngAndJpegPicturesAtTheirGoalSize) {
    QTextDocument doc;
    readRtf(document("avant " + rtftest::pngPicture(600, 300) + " apr\\'e8s"), doc);
    EXPECT_EQ(boxtext::plainText(doc), u"avant \uFFFC après\r\n"_qs);
    const QTextImageFormat png = onlyImage(doc);
    EXPECT_EQ(png.width(), 40);
    EXPECT_EQ(png.height(), 20);
    EXPECT_EQ(resourceOf(doc, png).size(), QSize(4, 3));

    const QByteArray jpeg = rtftest::imageBytes("JPEG", 8, 6);
    readRtf(document("{\\pict\\jpegblip\\picscalex50\\picscaley200\\bin" +
                     QByteArray::number(jpeg.size()) + " " + jpeg + "}"),
            doc);
    const QTextImageFormat scaled = onlyImage(doc);
    EXPECT_EQ(scaled.width(), 4);
    EXPECT_EQ(scaled.height(), 12);
    EXPECT_EQ(resourceOf(doc, scaled).size(), QSize(8, 6));
}

TEST(RtfReader, GivesOtherPicturesAnEmptyPlaceholderOfTheirSize) {
    const struct {
        const char* picture;
        int width;
        int height;
    } cases[] = {
        {"{\\pict\\wmetafile8\\picw2540\\pich1270\\picwgoal1500\\pichgoal750 010009000003}", 100,
         50},
        {"{\\pict\\emfblip\\picw5080\\pich2540 0100000058000000}", 192, 96},
        {"{\\pict\\pngblip\\picwgoal1500\\pichgoal750 89504e47ffffffff}", 100, 50},
    };
    for (const auto& [picture, width, height] : cases) {
        QTextDocument doc;
        readRtf(document(picture), doc);
        EXPECT_EQ(boxtext::plainText(doc), u"\uFFFC\r\n"_qs) << picture;
        const QTextImageFormat format = onlyImage(doc);
        EXPECT_EQ(format.width(), width) << picture;
        EXPECT_EQ(format.height(), height) << picture;
        const QImage placeholder = resourceOf(doc, format);
        EXPECT_EQ(placeholder.size(), QSize(1, 1)) << picture;
        EXPECT_EQ(qAlpha(placeholder.pixel(0, 0)), 0) << picture;
    }
}

TEST(RtfReader, SurvivesDamagedInput) {
    const QByteArray deep = QByteArray(100000, '{') + "profond" + QByteArray(100000, '}');
    const QByteArray cases[] = {
        "{\\rtf1 {\\b ouvert",
        "}}}}{\\rtf1 trop}}}} ferm\\'e9",
        "{\\rtf1 coup\\'e",
        "{\\rtf1 \\u",
        "{\\rtf1 \\",
        "{\\rtf1 \\bin999999999 ab}",
        "{\\rtf1 \\bin-5 ab}",
        "{\\rtf1 \\fs99999999999999999999 x\\u-99999999 y\\uc999999999\\u65 z}",
        "{\\rtf1 \\li-999999999\\fi999999999\\tx-5 x\\cf99999\\cb-3 y\\f-7 z}",
        "{\\rtf1 {\\pict\\pngblip\\picwgoal-5\\pichgoal999999999\\picscalex-1 0}}",
        "{\\rtf1 {\\pict\\pngblip\\bin4 \x89PNG}}",
        "{\\rtf1 {\\colortbl\\red999;\\green-4;;;}{\\fonttbl{\\f999999999\\fcharset77 x}}\\cf1 t}",
        "{\\rtf1 \\'zz\\'\\'\\'}",
        "\0\0\xff\xfe{\\rtf1 \\*\\*\\*}",
        "{\\rtf1 {\\*}{\\*\\}}{\\pict{\\pict}}}",
        deep,
        QByteArray(200000, '}') + "x",
    };
    for (const QByteArray& rtf : cases) {
        QTextDocument doc;
        readRtf(rtf, doc);
        EXPECT_GE(doc.characterCount(), 1);
    }
    EXPECT_EQ(plainTextOf(deep), u"profond"_qs);
    EXPECT_EQ(plainTextOf("{\\rtf1 {\\b ouvert"), u"ouvert"_qs);
    EXPECT_EQ(plainTextOf("{\\rtf1 \\bin999999999 ab}"), QString());
}

} // namespace
