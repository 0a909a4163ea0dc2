#include "platform/richtext/boxtext.h"
#include "platform/richtext/richtextformats.h"
#include "platform/richtext/rtfreader.h"
#include "platform/richtext/rtftestdocuments.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

// What word processors put in a teacher's pages beyond plain paragraphs: footnotes,
// old-style numbered lists, nested tables and capitals.
namespace {

using richtextformats::listMarkerIndentProperty;
using richtextformats::listMarkerProperty;
using rtftest::document;

QString plainTextOf(const QByteArray& rtf) {
    QTextDocument doc;
    readRtf(rtf, doc);
    return boxtext::plainText(doc);
}

QTextCharFormat formatOf(const QTextDocument& doc, const QString& text, int from = 0) {
    const int at = doc.toPlainText().indexOf(text, from);
    EXPECT_GE(at, 0) << text.toStdString();
    QTextCursor cursor(const_cast<QTextDocument*>(&doc));
    cursor.setPosition(at + 1);
    return cursor.charFormat();
}

QStringList markersOf(const QTextDocument& doc) {
    QStringList markers;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        markers.append(block.blockFormat().stringProperty(listMarkerProperty));
    return markers;
}

struct TextCase {
    const char* body;
    const char16_t* expected;
};

TEST(RtfPageFeatures, PutsFootnotesAfterTheTextAndTheirMarksWhereTheyStand) {
    const TextCase cases[] = {
        {"eau{\\super\\chftn{\\footnote\\pard{\\super\\chftn} Note.}} pure",
         u"eau1 pure\r\n\r\n1 Note."},
        {"a\\chftn{\\*\\footnote\\chftn\\tab un}b\\chftn{\\*\\footnote\\chftn\\tab deux\\par "
         "suite}c",
         u"a1b2c\r\n\r\n1\tun\r\n2\tdeux\r\nsuite"},
        {"\\ftnstart3\\ftnnrlc a\\chftn{\\footnote\\chftn x}b\\chftn{\\footnote\\chftn y}",
         u"aiiibiv\r\n\r\niiix\r\nivy"},
        {"\\ftnnchi a\\chftn{\\footnote\\chftn x}\\chftn{\\footnote\\chftn y}",
         u"a*†\r\n\r\n*x\r\n†y"},
        {"\\sftnnauc a\\chftn{\\footnote\\chftn x}", u"aA\r\n\r\nAx"},
        // Endnotes count apart, in their own numbering.
        {"a\\chftn{\\footnote\\ftnalt\\chftn x}b\\chftn{\\footnote\\chftn y}"
         "c\\chftn{\\footnote\\ftnalt\\chftn z}",
         u"aib1cii\r\n\r\nix\r\n1y\r\niiz"},
        {"\\aftnnar\\saftnstart5 a\\chftn{\\footnote\\ftnalt\\chftn x}{\\footnote\\ftnalt y}",
         u"a5\r\n\r\n5x\r\ny"},
        // A mark of the writer's own choosing is text like any other.
        {"a{\\super *}{\\footnote{\\super *} x}", u"a*\r\n\r\n* x"},
        {"\\trowd\\cellx1000\\cellx2000\\intbl a\\cell b\\chftn{\\footnote\\chftn\\intbl n\\cell "
         "m}\\cell c\\cell\\row",
         u"a\tb1\tc\r\n\r\n\r\n1n\tm"},
        {"{\\v a\\chftn{\\footnote\\chftn cach\\'e9e}}b", u"b\r\n"},
        {"a{\\footnote x{\\footnote y}z}b", u"ab\r\n\r\nxz"},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(plainTextOf(document(c.body)), QString::fromUtf16(c.expected)) << c.body;
    // Damaged: a note left open ends with the document; one outside every group is none.
    EXPECT_EQ(plainTextOf("{\\rtf1 a\\chftn{\\footnote\\chftn b"), u"a1\r\n\r\n1b"_qs);
    EXPECT_EQ(plainTextOf("\\rtf1 a\\footnote b}c"), u"a"_qs);
    // Neither the separator nor the notes take the format of the text's last paragraph.
    QTextDocument doc;
    readRtf("{\\rtf1 {\\*\\pn\\pnlvlbody\\pndec}\\qc a\\chftn{\\footnote\\chftn x}}", doc);
    EXPECT_EQ(markersOf(doc), (QStringList{u"1"_qs, u""_qs, u""_qs}));
    EXPECT_EQ(doc.findBlockByNumber(0).blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(doc.findBlockByNumber(1).blockFormat().alignment(), Qt::AlignLeft);
}

TEST(RtfPageFeatures, RaisesFootnoteMarksAndRulesTheNotesOff) {
    QTextDocument doc;
    readRtf(document("{\\b a}\\chftn{\\footnote\\pard\\plain\\chftn\\tab note}{\\up6\\chftn}"
                     "{\\footnote x}fin"),
            doc);
    EXPECT_EQ(boxtext::plainText(doc), u"a12fin\r\n\r\n1\tnote\r\nx"_qs);
    EXPECT_EQ(formatOf(doc, u"1"_qs).verticalAlignment(), QTextCharFormat::AlignSuperScript);
    EXPECT_EQ(formatOf(doc, u"2"_qs).verticalAlignment(), QTextCharFormat::AlignNormal);
    EXPECT_GT(formatOf(doc, u"2"_qs).baselineOffset(), 0);
    EXPECT_EQ(formatOf(doc, u"fin"_qs).verticalAlignment(), QTextCharFormat::AlignNormal);
    EXPECT_FALSE(formatOf(doc, u"1\t"_qs, 4).font().bold());
    EXPECT_EQ(formatOf(doc, u"1\t"_qs, 4).verticalAlignment(), QTextCharFormat::AlignSuperScript);
    EXPECT_TRUE(doc.findBlockByNumber(1).blockFormat().hasProperty(
        QTextFormat::BlockTrailingHorizontalRulerWidth));
    EXPECT_FALSE(doc.findBlockByNumber(0).blockFormat().hasProperty(
        QTextFormat::BlockTrailingHorizontalRulerWidth));
}

TEST(RtfPageFeatures, NumbersOldStyleListsFromTheirSettings) {
    const struct {
        const char* body;
        QStringList markers;
    } cases[] = {
        // The first item's marker is written, the others are not.
        {"{\\pntext\\f0 1.\\tab}{\\*\\pn\\pnlvlbody\\pnf0\\pnindent360\\pnstart1\\pndec{\\pntxta "
         ".}}"
         "\\fi-360\\li720 Un\\par Deux\\par Trois\\par\\pard Fin",
         {u""_qs, u"2."_qs, u"3."_qs, u""_qs, u""_qs}},
        {"{\\*\\pn\\pnlvlbody\\pnucltr\\pnstart3{\\pntxtb (}{\\pntxta )}}x\\par y",
         {u"(C)"_qs, u"(D)"_qs, u""_qs}},
        {"{\\*\\pn\\pnlvlbody\\pnlcrm\\pnstart4{\\pntxta .}}x\\par y",
         {u"iv."_qs, u"v."_qs, u""_qs}},
        {"{\\*\\pn\\pnlvl2\\pnucrm\\pnstart1{\\pntxta .}}x\\par y", {u"I."_qs, u"II."_qs, u""_qs}},
        // Outline levels count apart; an item ends the lists below it.
        {"{\\*\\pn\\pnlvl1\\pnucrm}a\\par{\\*\\pn\\pnlvl2\\pnlcltr}b\\par c\\par"
         "{\\*\\pn\\pnlvl1\\pnucrm}d\\par{\\*\\pn\\pnlvl2\\pnlcltr}e",
         {u"I"_qs, u"a"_qs, u"b"_qs, u"II"_qs, u"a"_qs, u""_qs}},
        {"{\\*\\pn\\pnlvlbody\\pnlcltr{\\pntxta )}}x\\par{\\*\\pn\\pnlvlcont}suite\\par"
         "{\\*\\pn\\pnlvlbody\\pnlcltr{\\pntxta )}}y",
         {u"a)"_qs, u""_qs, u"b)"_qs, u""_qs}},
        // A paragraph outside the list ends it: the next list starts again.
        {"{\\*\\pn\\pnlvlbody\\pndec}x\\par\\pard hors\\par{\\*\\pn\\pnlvlbody\\pndec}y",
         {u"1"_qs, u""_qs, u"1"_qs, u""_qs}},
        {"{\\*\\pn\\pnlvlblt\\pnf2{\\pntxtb\\'b7}}a\\par b\\par{\\*\\pn\\pnlvlblt}c",
         {u"\u2022"_qs, u"\u2022"_qs, u"\u2022"_qs, u""_qs}},
        {"{\\pntext\\'b7\\tab}{\\*\\pn\\pnlvlblt{\\pntxtb\\'b7}}a\\par{\\listtext 2.\\tab}b",
         {u""_qs, u""_qs, u""_qs}},
        {"{\\*\\pn\\pnlvlbody\\pndec\\pnstart99999{\\pntxtb\\u8470?}}x", {u"№32767"_qs, u""_qs}},
    };
    for (const auto& c : cases) {
        QTextDocument doc;
        readRtf(document(c.body), doc);
        EXPECT_EQ(markersOf(doc), c.markers) << c.body;
    }
    // The markers are no part of the text: every position stays where it was.
    EXPECT_EQ(plainTextOf(document(cases[0].body)), u"1.\tUn\r\nDeux\r\nTrois\r\nFin\r\n"_qs);
}

TEST(RtfPageFeatures, PlacesAGeneratedMarkerInTheHangingIndent) {
    QTextDocument doc;
    readRtf(document("{\\*\\pn\\pnlvlbody\\pndec}\\fi-360\\li720 pendant\\par\\pard"
                     "{\\*\\pn\\pnlvlbody\\pndec\\pnindent720}\\fi240\\li360 retrait"),
            doc);
    const QTextBlockFormat hanging = doc.findBlockByNumber(0).blockFormat();
    EXPECT_EQ(hanging.leftMargin(), 48);
    EXPECT_EQ(hanging.textIndent(), 0);
    EXPECT_EQ(hanging.doubleProperty(listMarkerIndentProperty), -24);
    const QTextBlockFormat indented = doc.findBlockByNumber(1).blockFormat();
    EXPECT_EQ(indented.leftMargin(), 24);
    EXPECT_EQ(indented.doubleProperty(listMarkerIndentProperty), 16);
    EXPECT_EQ(indented.textIndent(), 16 + 48);
}

TEST(RtfPageFeatures, EndsNestedRowsAsRowsAndSkipsTheirFallback) {
    const TextCase cases[] = {
        // As Word and Writer write them: a fallback paragraph after each nested row.
        {"\\trowd\\cellx3000\\cellx6000\\intbl a\\cell\\intbl\\itap2 b\\nestcell c\\nestcell"
         "{\\*\\nesttableprops\\trowd\\cellx1000\\cellx2000\\nestrow}{\\nonesttables\\par}"
         "\\intbl\\itap2 d\\nestcell e\\nestcell{\\*\\nesttableprops\\trowd\\nestrow}"
         "{\\nonesttables\\par}\\intbl\\itap1\\cell\\row\\pard fin",
         u"a\tb\tc\r\nd\te\r\n\r\nfin\r\n"},
        // A fallback holding the cells' text again.
        {"\\intbl\\itap2 b\\nestcell c\\nestcell{\\*\\nesttableprops\\nestrow}"
         "{\\*\\nonesttables b\\tab c\\par}\\intbl\\cell\\row",
         u"b\tc\r\n\r\n\r\n"},
        {"{\\*\\nesttableprops\\trowd{\\nestrow}}x", u"\r\nx\r\n"},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(plainTextOf(document(c.body)), QString::fromUtf16(c.expected)) << c.body;
}

TEST(RtfPageFeatures, ShowsCapitalsWithoutChangingTheText) {
    QTextDocument doc;
    readRtf(document("{\\caps majuscules}{\\scaps petites}{\\caps\\scaps deux}{\\caps0 non}"), doc);
    EXPECT_EQ(boxtext::plainText(doc), u"majusculespetitesdeuxnon\r\n"_qs);
    EXPECT_EQ(formatOf(doc, u"majuscules"_qs).fontCapitalization(), QFont::AllUppercase);
    EXPECT_EQ(formatOf(doc, u"petites"_qs).fontCapitalization(), QFont::SmallCaps);
    EXPECT_EQ(formatOf(doc, u"deux"_qs).fontCapitalization(), QFont::AllUppercase);
    EXPECT_EQ(formatOf(doc, u"non"_qs).fontCapitalization(), QFont::MixedCase);
}

} // namespace
