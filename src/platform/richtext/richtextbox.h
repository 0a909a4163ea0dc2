#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QTextDocumentFragment>
#include <QTextEdit>

// The rich-text box: a QTextEdit that loads RTF files and speaks in the positions
// of its plain text, the way the course's documents count them.
//
// Box positions count characters from 0 in plainText(): a paragraph break is the
// two characters CR LF, a manual line break (\line) is one character (VT, U+000B)
// and an embedded picture is one character (U+FFFC). The box converts them to
// QTextCursor positions and back; a position that falls between the CR and the LF
// of a break stands for the start of the next paragraph.
//
// Setters and getters named "selection…" act on the current selection, or on the
// format of the text about to be written when nothing is selected. Getters report
// the format at the start of the selection. Measures: font sizes in points,
// indents and tab stops in pixels, the superscript offset in twips (positive raises).
class RichTextBox : public QTextEdit {
    Q_OBJECT

public:
    explicit RichTextBox(QWidget* parent = nullptr);

    // Loads an RTF file. A missing, unreadable or non-RTF file gives false and
    // leaves the box empty; a damaged RTF file gives the best document it can.
    bool loadFile(const QString& path);
    // Replaces the content with the document read from RTF bytes.
    void loadRtf(const QByteArray& rtf);

    // A hidden box lays nothing out: a large document costs no layout until shown.
    void setVisible(bool visible) override;

    QString plainText() const;
    int plainLength() const;

    // The first occurrence of text at or after start, letter case ignored over every
    // letter (É matches é, Œ matches œ; é does not match e); with wholeWord, only an
    // occurrence with no letter or digit just before or after it. -1 when none.
    int find(const QString& text, int start = 0, bool wholeWord = false) const;

    // Selects length characters from start (both clamped to the text).
    void select(int start, int length);
    int selectionStart() const;
    int selectionLength() const;
    QString selectedText() const;
    QTextDocumentFragment selectedFragment() const;

    // Replaces the selection (or inserts at the cursor) and leaves the cursor after
    // the new text. In text, CR LF, CR or LF breaks the paragraph and VT breaks the
    // line. A fragment taken from another box keeps its pictures.
    void replaceSelection(const QString& text);
    void replaceSelection(const QTextDocumentFragment& fragment);

    QString selectionFontName() const;
    void setSelectionFontName(const QString& family);
    double selectionFontSize() const;
    void setSelectionFontSize(double points);
    bool selectionBold() const;
    void setSelectionBold(bool bold);
    bool selectionItalic() const;
    void setSelectionItalic(bool italic);
    bool selectionUnderline() const;
    void setSelectionUnderline(bool underline);
    QColor selectionColour() const;
    void setSelectionColour(const QColor& colour);
    // Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight or Qt::AlignJustify.
    Qt::Alignment selectionAlignment() const;
    void setSelectionAlignment(Qt::Alignment alignment);
    QList<int> selectionTabStops() const;
    void setSelectionTabStops(const QList<int>& pixels);
    int selectionCharOffset() const;
    void setSelectionCharOffset(int twips);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int toCursorPosition(int boxPosition) const;
    int toBoxPosition(int cursorPosition) const;
    void replaceDocument(QTextDocument* document);
    void suspendLayout();

    mutable QString cachedPlainText;
    mutable bool plainTextValid = false;
};
