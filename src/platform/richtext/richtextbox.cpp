#include "platform/richtext/richtextbox.h"

#include "platform/richtext/boxtext.h"
#include "platform/richtext/embeddedimages.h"
#include "platform/richtext/listmarkers.h"
#include "platform/richtext/richtextformats.h"
#include "platform/richtext/rtfreader.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

using richtextformats::charOffsetProperty;

} // namespace

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent) {
    connect(document(), &QTextDocument::contentsChanged, this, [this] { plainTextValid = false; });
}

bool RichTextBox::loadFile(const QString& path) {
    // Read into a document the widget does not show yet, so no layout runs meanwhile.
    auto* loaded = new QTextDocument(this);
    const bool read = readRtfFile(path, *loaded);
    replaceDocument(loaded);
    return read;
}

void RichTextBox::loadRtf(const QByteArray& rtf) {
    auto* loaded = new QTextDocument(this);
    readRtf(rtf, *loaded);
    replaceDocument(loaded);
}

void RichTextBox::replaceDocument(QTextDocument* replacement) {
    // QTextEdit deletes its own first document itself; the later ones are ours.
    QTextDocument* previous = document()->parent() == this ? document() : nullptr;
    replacement->setDefaultFont(font());
    // Without a page size the layout does nothing: the box gives the document its
    // own width on taking it, sparing a first layout at an unbounded width.
    replacement->setPageSize(QSizeF(0, 0));
    setDocument(replacement);
    if (isHidden())
        suspendLayout();
    connect(replacement, &QTextDocument::contentsChanged, this, [this] { plainTextValid = false; });
    plainTextValid = false;
    delete previous;
}

void RichTextBox::setVisible(bool visible) {
    QTextEdit::setVisible(visible);
    if (!visible)
        suspendLayout();
    else if (document()->pageSize().isNull())
        setLineWrapColumnOrWidth(lineWrapColumnOrWidth()); // lays out at the box's width
}

// Qt lays out the whole document whenever the selection spans paragraphs, shown or
// not. A hidden box draws nothing, so its document keeps no page size (the layout
// then does nothing) and a fresh layout, dropping the one still working through the
// document in the background, until the box is shown.
void RichTextBox::suspendLayout() {
    QTextDocument* content = document();
    if (content->pageSize().isNull())
        return;
    content->setPageSize(QSizeF(0, 0));
    QPaintDevice* device = content->documentLayout()->paintDevice();
    content->setDocumentLayout(nullptr); // the document makes itself a new one
    content->documentLayout()->setPaintDevice(device);
}

void RichTextBox::paintEvent(QPaintEvent* event) {
    QTextEdit::paintEvent(event);
    QPainter painter(viewport());
    const QPointF scrolled(horizontalScrollBar()->value(), verticalScrollBar()->value());
    painter.translate(-scrolled);
    paintListMarkers(painter, *document(), QRectF(viewport()->rect()).translated(scrolled));
}

QString RichTextBox::plainText() const {
    if (!plainTextValid) {
        cachedPlainText = boxtext::plainText(*document());
        plainTextValid = true;
    }
    return cachedPlainText;
}

int RichTextBox::plainLength() const {
    return document()->characterCount() - 1 + document()->blockCount() - 1;
}

int RichTextBox::find(const QString& text, int start, bool wholeWord) const {
    return boxtext::find(plainText(), text, start, wholeWord);
}

int RichTextBox::toCursorPosition(int boxPosition) const {
    return boxtext::toCursorPosition(*document(), boxPosition);
}

int RichTextBox::toBoxPosition(int cursorPosition) const {
    return boxtext::toBoxPosition(*document(), cursorPosition);
}

void RichTextBox::select(int start, int length) {
    const int total = plainLength();
    start = std::clamp(start, 0, total);
    length = std::clamp(length, 0, total - start);
    QTextCursor cursor(document());
    cursor.setPosition(toCursorPosition(start));
    cursor.setPosition(toCursorPosition(start + length), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

int RichTextBox::selectionStart() const {
    return toBoxPosition(textCursor().selectionStart());
}

int RichTextBox::selectionLength() const {
    return toBoxPosition(textCursor().selectionEnd()) - selectionStart();
}

QString RichTextBox::selectedText() const {
    return plainText().mid(selectionStart(), selectionLength());
}

QTextDocumentFragment RichTextBox::selectedFragment() const {
    return textCursor().selection();
}

void RichTextBox::replaceSelection(const QString& text) {
    QTextCursor cursor = textCursor();
    cursor.insertText(boxtext::toCursorText(text), cursor.charFormat());
    setTextCursor(cursor);
}

void RichTextBox::replaceSelection(const QTextDocumentFragment& fragment) {
    QTextCursor cursor = textCursor();
    const int from = cursor.selectionStart();
    cursor.insertFragment(fragment);
    embeddedimages::restore(*document(), from, cursor.position());
    setTextCursor(cursor);
}

namespace {

QTextCharFormat formatAtStart(const QTextCursor& selection) {
    if (!selection.hasSelection())
        return selection.charFormat();
    QTextCursor first(selection.document());
    first.setPosition(selection.selectionStart() + 1);
    return first.charFormat();
}

} // namespace

QString RichTextBox::selectionFontName() const {
    return formatAtStart(textCursor()).font().family();
}

void RichTextBox::setSelectionFontName(const QString& family) {
    QTextCharFormat format;
    format.setFontFamilies({family});
    mergeCurrentCharFormat(format);
}

double RichTextBox::selectionFontSize() const {
    return formatAtStart(textCursor()).font().pointSizeF();
}

void RichTextBox::setSelectionFontSize(double points) {
    QTextCharFormat format;
    format.setFontPointSize(points);
    // The raise is a share of the font's size: keep it the same number of twips.
    const int offset = selectionCharOffset();
    if (offset != 0)
        format.setBaselineOffset(offset / 20.0 / std::max(1.0, points) * 100.0);
    mergeCurrentCharFormat(format);
}

bool RichTextBox::selectionBold() const {
    return formatAtStart(textCursor()).font().bold();
}

void RichTextBox::setSelectionBold(bool bold) {
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    mergeCurrentCharFormat(format);
}

bool RichTextBox::selectionItalic() const {
    return formatAtStart(textCursor()).font().italic();
}

void RichTextBox::setSelectionItalic(bool italic) {
    QTextCharFormat format;
    format.setFontItalic(italic);
    mergeCurrentCharFormat(format);
}

bool RichTextBox::selectionUnderline() const {
    return formatAtStart(textCursor()).font().underline();
}

void RichTextBox::setSelectionUnderline(bool underline) {
    QTextCharFormat format;
    format.setFontUnderline(underline);
    mergeCurrentCharFormat(format);
}

QColor RichTextBox::selectionColour() const {
    const QTextCharFormat format = formatAtStart(textCursor());
    return format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color()
                                                            : QColor(Qt::black);
}

void RichTextBox::setSelectionColour(const QColor& colour) {
    QTextCharFormat format;
    format.setForeground(colour);
    mergeCurrentCharFormat(format);
}

Qt::Alignment RichTextBox::selectionAlignment() const {
    const Qt::Alignment alignment =
        document()->findBlock(textCursor().selectionStart()).blockFormat().alignment();
    return alignment & Qt::AlignHorizontal_Mask;
}

void RichTextBox::setSelectionAlignment(Qt::Alignment alignment) {
    QTextBlockFormat format;
    format.setAlignment(alignment);
    textCursor().mergeBlockFormat(format);
}

QList<int> RichTextBox::selectionTabStops() const {
    QList<int> pixels;
    const QTextBlock block = document()->findBlock(textCursor().selectionStart());
    for (const QTextOption::Tab& tab : block.blockFormat().tabPositions())
        pixels.append(qRound(tab.position));
    return pixels;
}

void RichTextBox::setSelectionTabStops(const QList<int>& pixels) {
    QList<QTextOption::Tab> tabs;
    for (int position : pixels)
        tabs.append(QTextOption::Tab(position, QTextOption::LeftTab));
    QTextBlockFormat format;
    format.setTabPositions(tabs);
    textCursor().mergeBlockFormat(format);
}

int RichTextBox::selectionCharOffset() const {
    return formatAtStart(textCursor()).intProperty(charOffsetProperty);
}

void RichTextBox::setSelectionCharOffset(int twips) {
    QTextCharFormat format;
    format.setProperty(charOffsetProperty, twips);
    // Qt raises by a percentage of the font's height; a point is 20 twips.
    const double points = std::max(1.0, selectionFontSize());
    format.setBaselineOffset(twips / 20.0 / points * 100.0);
    mergeCurrentCharFormat(format);
}
