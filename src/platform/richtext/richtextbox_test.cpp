#include "platform/richtext/richtextbox.h"
#include "platform/richtext/rtftestdocuments.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

using rtftest::document;

// Two questions as a test document holds them: the first marker ends its line with a
// paragraph break (CR LF), the second with a manual line break (one character).
const QByteArray questions = document("Consignes\\par "
                                      "#RP-01\\par {\\b Quelle} est l\\'92unit\\'e9 ?\\par "
                                      "#-o-O-o-#\\par "
                                      "#rp-02\\line Le \\'80 et " +
                                      rtftest::pngPicture(300, 300) + "\\par #-o-O-o-#");

// The statement cut as the test window cuts it; empty when a marker is missing.
QString cutStatement(RichTextBox& box, int question) {
    const int start = box.find(QStringLiteral("#RP-%1").arg(question, 2, 10, QChar(u'0')));
    if (start < 0)
        return {};
    const int end = box.find(QStringLiteral("#-o-O-o-#"), start + 1);
    if (end < 0)
        return {};
    box.select(start + 8, end - start - 8);
    return box.selectedText();
}

TEST(RichTextBox, CountsBreaksAndPicturesInItsPositions) {
    RichTextBox box;
    box.loadRtf(document("ab\\par\\par c\\line d" + rtftest::pngPicture(150, 150) + "e"));
    EXPECT_EQ(box.plainText(), u"ab\r\n\r\nc\vd\uFFFCe\r\n"_qs);
    EXPECT_EQ(box.plainLength(), box.plainText().size());
    // Every box position of the text maps to a cursor and back.
    const QString text = box.plainText();
    for (int position = 0; position <= text.size(); ++position) {
        box.select(position, 0);
        const bool betweenCrAndLf = position > 0 && text[position - 1] == u'\r';
        EXPECT_EQ(box.selectionStart(), betweenCrAndLf ? position + 1 : position) << position;
    }
    box.select(8, 3);
    EXPECT_EQ(box.selectedText(), u"d\uFFFCe"_qs);
    box.select(-5, 100);
    EXPECT_EQ(box.selectedText(), text);
    box.select(100, 5);
    EXPECT_EQ(box.selectionStart(), text.size());
    EXPECT_EQ(box.selectionLength(), 0);
}

TEST(RichTextBox, CutsStatementsAroundBothKindsOfBreak) {
    RichTextBox box;
    box.loadRtf(questions);
    EXPECT_EQ(cutStatement(box, 1), u"Quelle est l’unité ?\r\n"_qs);
    EXPECT_TRUE(box.selectedFragment().toPlainText().startsWith(u"Quelle"_qs));
    // A single-character break makes the cut lose the statement's first character.
    EXPECT_EQ(cutStatement(box, 2), u"e € et \uFFFC\r\n"_qs);
    EXPECT_EQ(cutStatement(box, 3), QString());
}

TEST(RichTextBox, CopiesAStatementWithItsFormattingAndPicture) {
    RichTextBox memory;
    memory.loadRtf(questions);
    RichTextBox statement;
    cutStatement(memory, 1);
    statement.replaceSelection(memory.selectedFragment());
    EXPECT_EQ(statement.plainText(), u"Quelle est l’unité ?\r\n"_qs);
    statement.select(0, 1);
    EXPECT_TRUE(statement.selectionBold());
    statement.select(7, 1);
    EXPECT_FALSE(statement.selectionBold());

    cutStatement(memory, 2);
    statement.clear();
    statement.replaceSelection(memory.selectedFragment());
    EXPECT_EQ(statement.plainText(), u"e € et \uFFFC\r\n"_qs);
    const QTextDocument* doc = statement.document();
    bool pictureShown = false;
    for (auto it = doc->begin().begin(); !it.atEnd(); ++it) {
        const QTextCharFormat format = it.fragment().charFormat();
        if (format.isImageFormat()) {
            const QVariant image =
                doc->resource(QTextDocument::ImageResource, QUrl(format.toImageFormat().name()));
            pictureShown = image.value<QImage>().size() == QSize(4, 3);
        }
    }
    EXPECT_TRUE(pictureShown);
}

TEST(RichTextBox, FindsIgnoringLetterCaseButNotAccents) {
    RichTextBox box;
    box.loadRtf(document("\\'c9LECTRON, \\'8cUVRE et \\'e9lectrons ; electronique"));
    const struct {
        const char16_t* text;
        int start;
        bool wholeWord;
        int expected;
    } cases[] = {
        {u"électron", 0, false, 0},    {u"électron", 1, false, 19}, {u"électron", 1, true, -1},
        {u"électrons", 0, true, 19},   {u"œuvre", 0, false, 10},    {u"ŒUVRE", 0, true, 10},
        {u"electron", 0, false, 31},   {u"electron", 0, true, -1},  {u"absent", 0, false, -1},
        {u"électron", 100, false, -1}, {u"électron", -4, false, 0}, {u"", 0, false, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(box.find(QString::fromUtf16(c.text), c.start, c.wholeWord), c.expected)
            << QString::fromUtf16(c.text).toStdString() << " from " << c.start;
    }
}

TEST(RichTextBox, WritesADataSheetWithTabsAndRaisedDigits) {
    RichTextBox box;
    box.setSelectionFontName(QStringLiteral("Arial"));
    box.setSelectionColour(QColor(0, 128, 0));
    box.setSelectionFontSize(14);
    box.setSelectionAlignment(Qt::AlignHCenter);
    box.replaceSelection(QStringLiteral("Neptune\r\n"));
    box.setSelectionAlignment(Qt::AlignLeft);
    box.setSelectionFontSize(10);
    box.setSelectionColour(Qt::black);
    box.setSelectionTabStops({10, 200, 540});
    box.replaceSelection(u"\tDiamètre : 4,953.10"_qs);
    box.setSelectionCharOffset(60);
    box.setSelectionFontSize(8);
    box.replaceSelection(QStringLiteral("4"));
    box.setSelectionCharOffset(0);
    box.setSelectionFontSize(10);
    box.replaceSelection(QStringLiteral(" km\vsuite"));

    EXPECT_EQ(box.plainText(), u"Neptune\r\n\tDiamètre : 4,953.10\u0034 km\vsuite"_qs);
    box.select(0, 7);
    EXPECT_EQ(box.selectionFontName(), u"Arial"_qs);
    EXPECT_EQ(box.selectionFontSize(), 14);
    EXPECT_EQ(box.selectionColour(), QColor(0, 128, 0));
    EXPECT_EQ(box.selectionAlignment(), Qt::AlignHCenter);
    box.select(box.find(QStringLiteral("Diam")), 4);
    EXPECT_EQ(box.selectionFontSize(), 10);
    EXPECT_EQ(box.selectionColour(), QColor(Qt::black));
    EXPECT_EQ(box.selectionAlignment(), Qt::AlignLeft);
    EXPECT_EQ(box.selectionTabStops(), (QList<int>{10, 200, 540}));
    EXPECT_EQ(box.selectionCharOffset(), 0);
    box.select(box.find(QStringLiteral(".104")) + 3, 1);
    EXPECT_EQ(box.selectedText(), u"4"_qs);
    EXPECT_EQ(box.selectionCharOffset(), 60);
    EXPECT_EQ(box.selectionFontSize(), 8);
    box.select(box.find(QStringLiteral(" km")), 1);
    EXPECT_EQ(box.selectionCharOffset(), 0);
    EXPECT_EQ(box.selectionFontSize(), 10);
}

TEST(RichTextBox, ReplacesTheSelectionWithText) {
    RichTextBox box;
    box.loadRtf(document("un {\\i deux} trois"));
    box.select(3, 4);
    box.replaceSelection(QStringLiteral("2\r\n2"));
    EXPECT_EQ(box.plainText(), u"un 2\r\n2 trois\r\n"_qs);
    EXPECT_EQ(box.selectionStart(), 7);
    EXPECT_EQ(box.selectionLength(), 0);
}

// Dark pixels of the box's rendering in a column band, where the text cannot be.
int inkBetween(RichTextBox& box, int left, int right) {
    box.resize(300, 120);
    const QImage image = box.viewport()->grab().toImage();
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = left; x < right; ++x)
            ink += qGray(image.pixel(x, y)) < 128;
    return ink;
}

TEST(RichTextBox, DrawsGeneratedListMarkersBesideTheText) {
    RichTextBox numbered;
    numbered.loadRtf(
        document("{\\*\\pn\\pnlvlbody\\pndec{\\pntxta .}}\\fi-360\\li720 Un\\par Deux"));
    RichTextBox plain;
    plain.loadRtf(document("\\li720 Un\\par Deux"));
    EXPECT_EQ(numbered.plainText(), plain.plainText());
    // The text starts at the left margin (48 pixels past the document's margin); the
    // markers stand in the 24 pixels before it.
    const int margin = qRound(numbered.document()->documentMargin());
    EXPECT_GT(inkBetween(numbered, margin + 24, margin + 47), 0);
    EXPECT_EQ(inkBetween(plain, margin + 24, margin + 47), 0);
    EXPECT_EQ(inkBetween(numbered, 0, margin + 23), 0);
}

// A hidden box holds a test's whole question document: what is cut from it must not
// depend on its being shown, and once shown it draws its text again (a document short
// enough that no scroll bar comes and lays it out anyway).
TEST(RichTextBox, WorksHiddenAndDrawsItsTextOnceShownAgain) {
    QWidget window;
    window.resize(320, 140);
    auto& box = *new RichTextBox(&window);
    box.setGeometry(0, 0, 300, 120);
    window.show();
    box.hide();
    box.loadRtf(document("#RP-01\\par {\\b Quelle} est l\\'92unit\\'e9 ?\\par #-o-O-o-#"));
    EXPECT_EQ(cutStatement(box, 1), u"Quelle est l’unité ?\r\n"_qs);
    RichTextBox statement;
    statement.replaceSelection(box.selectedFragment());
    statement.select(0, 1);
    EXPECT_TRUE(statement.selectionBold());

    box.show();
    EXPECT_EQ(box.selectedText(), u"Quelle est l’unité ?\r\n"_qs);
    EXPECT_GT(inkBetween(box, 0, 200), 0);
}

TEST(RichTextBox, LoadsOnlyReadableRtfFiles) {
    QTemporaryDir dir;
    auto write = [&](const char* name, const QByteArray& bytes) {
        QFile file(dir.filePath(QLatin1String(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    RichTextBox box;
    EXPECT_TRUE(box.loadFile(write("page.rtf", document("Bonjour"))));
    EXPECT_EQ(box.plainText(), u"Bonjour\r\n"_qs);
    const struct {
        const char* name;
        QString path;
    } failures[] = {
        {"missing", dir.filePath(QStringLiteral("absent.rtf"))},
        {"a folder", dir.path()},
        {"empty", write("empty.rtf", "")},
        {"not RTF", write("text.rtf", "Bonjour")},
    };
    for (const auto& failure : failures) {
        box.loadRtf(document("ancien"));
        EXPECT_FALSE(box.loadFile(failure.path)) << failure.name;
        EXPECT_EQ(box.plainText(), QString()) << failure.name;
    }
}

} // namespace
