#include "platform/richtext/rtfreader.h"

#include "platform/richtext/embeddedimages.h"
#include "platform/richtext/richtextformats.h"
#include "platform/richtext/rtfcharsets.h"
#include "platform/richtext/rtfformatwords.h"
#include "platform/richtext/rtfnotes.h"
#include "platform/richtext/rtfnumbering.h"
#include "platform/richtext/rtfpicture.h"
#include "platform/richtext/rtfstate.h"
#include "platform/richtext/rtftokenizer.h"

#include <QColor>
#include <QFile>
#include <QHash>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <vector>

namespace {

// Deeper groups share their parent's state, so a flood of braces costs no memory.
constexpr std::size_t deepestGroup = 2048;
constexpr int largestColourTable = 4096;

struct FontEntry {
    QString name;
    int charset = 0;
    bool symbol = false;
};

// Control words whose group holds no text to show, in sorted order.
bool isSkippedDestination(QByteArrayView word) {
    static const QByteArrayView words[] = {
        "aftncn",    "aftnsep",  "aftnsepc",     "annotation",
        "atnauthor", "atndate",  "atnicn",       "atnid",
        "atnref",    "atntime",  "author",       "bkmkend",
        "bkmkstart", "blipuid",  "buptim",       "colorschememapping",
        "comment",   "company",  "creatim",      "datastore",
        "defchp",    "defpap",   "doccomm",      "docvar",
        "falt",      "filetbl",  "fldinst",      "footer",
        "footerf",   "footerl",  "footerr",      "footnote",
        "ftncn",     "ftnsep",   "ftnsepc",      "generator",
        "header",    "headerf",  "headerl",      "headerr",
        "info",      "keywords", "latentstyles", "listoverridetable",
        "listtable", "mmathPr",  "nonesttables", "nonshppict",
        "objclass",  "objdata",  "objname",      "operator",
        "panose",    "pgdsctbl", "picprop",      "printim",
        "revtbl",    "revtim",   "rsidtbl",      "stylesheet",
        "subject",   "tc",       "template",     "themedata",
        "title",     "txe",      "userprops",    "wgrffmtfilter",
        "xe",        "xmlnstbl",
    };
    return std::binary_search(std::begin(words), std::end(words), word);
}

// Characters a QTextDocument reads as its own structure (blocks, frames, objects),
// and control characters: none of them may come from the text.
bool isStructuralCharacter(QChar c) {
    const char16_t code = c.unicode();
    return (code < 0x20 && code != u'\t') || code == QChar::ParagraphSeparator || code == 0xFDD0 ||
           code == 0xFDD1 || code == QChar::ObjectReplacementCharacter;
}

class RtfReader {
public:
    explicit RtfReader(QTextDocument& document) : cursor(&document) {
        placeholder = QImage(1, 1, QImage::Format_ARGB32);
        placeholder.fill(Qt::transparent);
    }

    void read(QByteArrayView rtf);

private:
    RtfGroupState& state() { return groups.back(); }
    const RtfGroupState& state() const { return groups.back(); }

    void openGroup();
    void closeGroup();
    void controlWord(const RtfToken& token);
    void controlSymbol(char symbol);
    bool destinationWord(QByteArrayView word);
    void numberingDestinationWord(QByteArrayView word, int parameter);
    bool characterWord(QByteArrayView word, bool hasParameter, int parameter);
    bool paragraphWord(QByteArrayView word, bool hasParameter, int parameter);
    bool specialCharacterWord(QByteArrayView word, int parameter);
    void documentWord(QByteArrayView word, int parameter);
    void insertNoteMark();
    void makeEndnote();
    void startNote();
    void endNote();

    void textBytes(QByteArrayView bytes);
    void unicodeCharacter(int value);
    void character(QChar c);
    void fontTableText(QByteArrayView bytes);
    void colourTableText(QByteArrayView bytes);

    void changeCharacters();
    void flush();
    void endParagraph();
    void setParagraphFormat(bool ended);
    void startCellText();
    void finishPicture();
    QTextCharFormat characterFormat();
    QTextBlockFormat blockFormat() const;
    int codePage() const;
    bool inSymbolFont() const;

    QTextCursor cursor;
    std::vector<RtfGroupState> groups{RtfGroupState{}};
    std::size_t sharedLevels = 0;
    bool ignorableNext = false;
    int skipAfterUnicode = 0;

    int documentCodePage = rtfcharsets::defaultCodePage;
    int defaultFont = -1;
    QHash<int, FontEntry> fonts;
    int fontBeingDefined = -1;
    std::vector<QColor> colours; // invalid for automatic
    QColor colourBeingDefined;
    bool colourComponentSeen = false;

    QByteArray pendingBytes;
    QString pendingText;
    RtfCharState builtState;
    QTextCharFormat format;
    bool formatBuilt = false;
    bool cellSeparatorPending = false;

    // The numbering of the old-style list paragraph being read.
    RtfNumbering numberingBeingDefined;
    bool markerWritten = false; // its marker is in its text (\pntext, \listtext)
    RtfListMarkers listMarkers;
    RtfListMarkers noteListMarkers;

    RtfNotes notes;
    // The page's text while a note is read.
    QTextCursor textCursor;
    bool textCellSeparatorPending = false;
    bool textMarkerWritten = false;
    // The last footnote mark in the page's text, and the mark of the note being read.
    QTextCursor textMark;
    QTextCharFormat textMarkFormat;
    QTextCursor noteMark;
    QTextCharFormat noteMarkFormat;

    RtfPicture picture;
    QImage placeholder;
    rtfcharsets::Decoders decoders;
};

void RtfReader::read(QByteArrayView rtf) {
    RtfTokenizer tokenizer(rtf);
    for (RtfToken token = tokenizer.next(); token.kind != RtfToken::End; token = tokenizer.next()) {
        const RtfDestination destination = state().destination;
        if (token.kind == RtfToken::GroupStart) {
            skipAfterUnicode = 0;
            openGroup();
            continue;
        }
        if (token.kind == RtfToken::GroupEnd) {
            skipAfterUnicode = 0;
            closeGroup();
            continue;
        }
        if (destination == RtfDestination::Skip)
            continue;
        if (skipAfterUnicode > 0) {
            if (token.kind != RtfToken::Text) {
                --skipAfterUnicode;
                continue;
            }
            const qsizetype skipped = std::min<qsizetype>(skipAfterUnicode, token.bytes.size());
            skipAfterUnicode -= static_cast<int>(skipped);
            token.bytes = token.bytes.sliced(skipped);
        }
        switch (token.kind) {
        case RtfToken::ControlWord:
            controlWord(token);
            break;
        case RtfToken::ControlSymbol:
            controlSymbol(token.symbol);
            break;
        case RtfToken::Text:
            textBytes(token.bytes);
            break;
        case RtfToken::HexByte: {
            const char byte = static_cast<char>(token.byte);
            textBytes(QByteArrayView(&byte, 1));
            break;
        }
        case RtfToken::Binary:
            if (destination == RtfDestination::Picture)
                picture.appendBinary(token.bytes);
            break;
        default:
            break;
        }
        if (token.kind != RtfToken::ControlSymbol)
            ignorableNext = false;
    }
    while (groups.size() > 1 || sharedLevels > 0)
        closeGroup();
    flush();
    setParagraphFormat(false);
    notes.appendTo(cursor);
}

void RtfReader::openGroup() {
    if (groups.size() >= deepestGroup) {
        ++sharedLevels;
        return;
    }
    groups.push_back(groups.back());
}

void RtfReader::closeGroup() {
    if (sharedLevels > 0) {
        --sharedLevels;
        return;
    }
    if (groups.size() <= 1)
        return; // a stray closing brace
    const RtfGroupState closed = groups.back();
    const RtfGroupState& parent = groups[groups.size() - 2];
    if (closed.inNote && !parent.inNote)
        endNote();
    else if (!(closed.chars == parent.chars))
        flush();
    groups.pop_back();
    // The document's last paragraph may end with its group rather than with \par.
    if (groups.size() == 1 && closed.destination == RtfDestination::Text && !closed.inNote)
        state().paragraph = closed.paragraph;
    if (closed.destination == RtfDestination::Numbering &&
        state().destination != RtfDestination::Numbering)
        state().paragraph.numbering = numberingBeingDefined;
    if (closed.destination == RtfDestination::NestedRow &&
        state().destination == RtfDestination::Text)
        endParagraph();
    if (closed.destination == RtfDestination::Picture &&
        state().destination != RtfDestination::Picture)
        finishPicture();
    if (closed.destination == RtfDestination::FontTable && fontBeingDefined >= 0 &&
        state().destination != RtfDestination::FontTable)
        fontBeingDefined = -1;
}

void RtfReader::controlWord(const RtfToken& token) {
    const QByteArrayView word = token.word;
    const bool ignorable = ignorableNext;
    ignorableNext = false;
    if (destinationWord(word))
        return;
    if (ignorable) {
        state().destination = RtfDestination::Skip;
        return;
    }
    const RtfDestination destination = state().destination;
    if (destination == RtfDestination::Numbering) {
        numberingDestinationWord(word, token.parameter);
        return;
    }
    if (destination == RtfDestination::NumberingBefore ||
        destination == RtfDestination::NumberingAfter) {
        specialCharacterWord(word, token.parameter);
        return;
    }
    if (destination == RtfDestination::NestedRow)
        return;
    if (destination == RtfDestination::FontTable) {
        if (word == "f" && token.hasParameter) {
            fontBeingDefined = token.parameter;
            fonts[fontBeingDefined];
        } else if (word == "fcharset" && fontBeingDefined >= 0) {
            fonts[fontBeingDefined].charset = token.parameter;
        }
        return;
    }
    if (destination == RtfDestination::ColourTable) {
        const int component = std::clamp(token.parameter, 0, 255);
        if (word == "red" || word == "green" || word == "blue") {
            if (!colourComponentSeen)
                colourBeingDefined = QColor(0, 0, 0);
            colourComponentSeen = true;
            if (word == "red")
                colourBeingDefined.setRed(component);
            else if (word == "green")
                colourBeingDefined.setGreen(component);
            else
                colourBeingDefined.setBlue(component);
        }
        return;
    }
    if (destination == RtfDestination::Picture) {
        const int value = token.parameter;
        if (word == "pngblip")
            picture.format = RtfPicture::Png;
        else if (word == "jpegblip")
            picture.format = RtfPicture::Jpeg;
        else if (word == "emfblip" || word == "wmetafile" || word == "macpict" ||
                 word == "dibitmap" || word == "wbitmap" || word == "pmmetafile")
            picture.format = RtfPicture::Other;
        else if (word == "picw")
            picture.width = value;
        else if (word == "pich")
            picture.height = value;
        else if (word == "picwgoal")
            picture.goalWidth = value;
        else if (word == "pichgoal")
            picture.goalHeight = value;
        else if (word == "picscalex")
            picture.scaleX = value;
        else if (word == "picscaley")
            picture.scaleY = value;
        return;
    }
    if (characterWord(word, token.hasParameter, token.parameter))
        return;
    if (paragraphWord(word, token.hasParameter, token.parameter))
        return;
    if (specialCharacterWord(word, token.parameter))
        return;
    documentWord(word, token.parameter);
}

bool RtfReader::destinationWord(QByteArrayView word) {
    RtfGroupState& group = state();
    if (word == "fonttbl") {
        group.destination = RtfDestination::FontTable;
    } else if (word == "colortbl") {
        group.destination = RtfDestination::ColourTable;
        colours.clear();
        colourComponentSeen = false;
    } else if (word == "pict") {
        if (group.destination != RtfDestination::Text || group.chars.hidden) {
            group.destination = RtfDestination::Skip;
            return true;
        }
        flush();
        startCellText();
        group.destination = RtfDestination::Picture;
        picture = RtfPicture{};
    } else if (word == "shppict" || word == "fldrslt" || word == "result") {
        // Text shown as it stands: the picture of a shape, a field's or an object's result.
    } else if (word == "pntext" || word == "listtext") {
        markerWritten = true;
    } else if (word == "pn") {
        if (group.destination != RtfDestination::Text) {
            group.destination = RtfDestination::Skip;
            return true;
        }
        group.destination = RtfDestination::Numbering;
        numberingBeingDefined = RtfNumbering{};
    } else if (word == "nesttableprops") {
        group.destination = group.destination == RtfDestination::Text ? RtfDestination::NestedRow
                                                                      : RtfDestination::Skip;
    } else if (word == "footnote") {
        // A note outside every group would never end: it is no note.
        if (group.destination != RtfDestination::Text || group.inNote || group.chars.hidden ||
            groups.size() == 1) {
            group.destination = RtfDestination::Skip;
            return true;
        }
        startNote();
        group.inNote = true;
    } else if (isSkippedDestination(word)) {
        group.destination = RtfDestination::Skip;
    } else {
        return false;
    }
    return true;
}

// Inside {\*\pn …}: the numbering's settings, and the groups of its text before and after.
void RtfReader::numberingDestinationWord(QByteArrayView word, int parameter) {
    if (word == "pntxtb")
        state().destination = RtfDestination::NumberingBefore;
    else if (word == "pntxta")
        state().destination = RtfDestination::NumberingAfter;
    else if (word == "pnf")
        state().chars.font = parameter; // the marker's text is written in it
    else
        applyNumberingWord(numberingBeingDefined, word, parameter);
}

bool RtfReader::characterWord(QByteArrayView word, bool hasParameter, int parameter) {
    RtfCharState changed = state().chars;
    if (!applyCharacterWord(changed, word, hasParameter, parameter, defaultFont))
        return false;
    if (!(changed == state().chars)) {
        flush();
        state().chars = changed;
    }
    return true;
}

bool RtfReader::paragraphWord(QByteArrayView word, bool hasParameter, int parameter) {
    if (word == "par" || word == "sect" || word == "page") {
        endParagraph();
    } else if (word == "cell" || word == "nestcell") {
        cellSeparatorPending = true;
    } else if (word == "row" || word == "nestrow") {
        cellSeparatorPending = false;
        endParagraph();
    } else {
        return applyParagraphWord(state().paragraph, word, hasParameter, parameter);
    }
    return true;
}

bool RtfReader::specialCharacterWord(QByteArrayView word, int parameter) {
    static const struct {
        QByteArrayView word;
        char16_t character;
    } characters[] = {
        {"line", QChar::LineSeparator}, {"tab", u'\t'},           {"emdash", u'\u2014'},
        {"endash", u'\u2013'},          {"lquote", u'\u2018'},    {"rquote", u'\u2019'},
        {"ldblquote", u'\u201C'},       {"rdblquote", u'\u201D'}, {"bullet", u'\u2022'},
        {"emspace", u'\u2003'},         {"enspace", u'\u2002'},   {"qmspace", u'\u2005'},
    };
    if (word == "u") {
        unicodeCharacter(parameter);
        return true;
    }
    if (word == "chftn") {
        insertNoteMark();
        return true;
    }
    for (const auto& entry : characters) {
        if (entry.word == word) {
            character(QChar(entry.character));
            return true;
        }
    }
    return false;
}

void RtfReader::documentWord(QByteArrayView word, int parameter) {
    if (word == "ansicpg" && parameter > 0)
        documentCodePage = parameter;
    else if (word == "mac")
        documentCodePage = 10000;
    else if (word == "pc")
        documentCodePage = 437;
    else if (word == "pca")
        documentCodePage = 850;
    else if (word == "deff") {
        flush();
        defaultFont = parameter;
        state().chars.font = parameter;
    } else if (word == "uc")
        state().unicodeSkip = std::clamp(parameter, 0, 16);
    else if (word == "ftnalt")
        makeEndnote();
    else
        notes.numberingWord(word, parameter);
}

// A note's mark, numbered as the word processor numbers its notes, and raised
// when the text around it is not.
void RtfReader::insertNoteMark() {
    if (state().destination != RtfDestination::Text || state().chars.hidden)
        return;
    const QString mark = state().inNote ? notes.currentMark() : notes.nextMark();
    flush();
    const RtfCharState around = state().chars;
    if (around.script == RtfCharState::Normal && around.raiseHalfPoints == 0)
        state().chars.script = RtfCharState::Super;
    for (QChar c : mark)
        character(c);
    flush();
    if (!state().inNote) {
        // An endnote's mark is numbered again once its note says what it is.
        textMark = cursor;
        textMark.setPosition(cursor.position() - mark.size(), QTextCursor::KeepAnchor);
        textMark.setKeepPositionOnInsert(true);
        textMarkFormat = characterFormat();
    }
    state().chars = around;
}

void RtfReader::makeEndnote() {
    if (!state().inNote)
        return;
    const QString mark = notes.makeEndnote(!noteMark.isNull());
    if (!noteMark.isNull())
        noteMark.insertText(mark, noteMarkFormat);
    noteMark = QTextCursor();
}

// A note's text goes to the notes, in a paragraph of its own; the page's text
// resumes where it was when the note ends.
void RtfReader::startNote() {
    flush();
    textCursor = cursor;
    textCellSeparatorPending = cellSeparatorPending;
    textMarkerWritten = markerWritten;
    noteMark = textMark;
    noteMarkFormat = textMarkFormat;
    textMark = QTextCursor();
    cursor = notes.startNote();
    cellSeparatorPending = false;
    markerWritten = false;
}

void RtfReader::endNote() {
    flush();
    setParagraphFormat(false);
    cursor = textCursor;
    cellSeparatorPending = textCellSeparatorPending;
    markerWritten = textMarkerWritten;
}

void RtfReader::controlSymbol(char symbol) {
    switch (symbol) {
    case '*':
        ignorableNext = true;
        return;
    case '~':
        character(QChar(0x00A0));
        break;
    case '-':
        character(QChar(0x00AD));
        break;
    case '_':
        character(QChar(0x2011));
        break;
    case '{':
    case '}':
    case '\\': {
        const char byte = symbol;
        textBytes(QByteArrayView(&byte, 1));
        break;
    }
    default:
        break;
    }
    ignorableNext = false;
}

void RtfReader::textBytes(QByteArrayView bytes) {
    switch (state().destination) {
    case RtfDestination::Text:
        if (state().chars.hidden || bytes.isEmpty())
            return;
        startCellText();
        pendingBytes.append(bytes);
        return;
    case RtfDestination::FontTable:
        fontTableText(bytes);
        return;
    case RtfDestination::ColourTable:
        colourTableText(bytes);
        return;
    case RtfDestination::Picture:
        picture.appendHex(bytes);
        return;
    case RtfDestination::NumberingBefore:
        numberingBeingDefined.before += decoders.decode(bytes, codePage());
        return;
    case RtfDestination::NumberingAfter:
        numberingBeingDefined.after += decoders.decode(bytes, codePage());
        return;
    default:
        return;
    }
}

void RtfReader::unicodeCharacter(int value) {
    skipAfterUnicode = state().unicodeSkip;
    if (value < 0)
        value += 65536;
    if (value <= 0 || value > 0xFFFF)
        return;
    if (inSymbolFont() && value >= 0xF020 && value <= 0xF0FF) {
        const char16_t mapped = rtfcharsets::symbolCharacter(value - 0xF000);
        if (mapped != 0)
            character(QChar(mapped));
        return;
    }
    character(QChar(value));
}

void RtfReader::character(QChar c) {
    if (state().destination == RtfDestination::NumberingBefore)
        numberingBeingDefined.before += c;
    if (state().destination == RtfDestination::NumberingAfter)
        numberingBeingDefined.after += c;
    if (state().destination != RtfDestination::Text || state().chars.hidden)
        return;
    startCellText();
    if (!pendingBytes.isEmpty()) {
        pendingText += decoders.decode(pendingBytes, codePage());
        pendingBytes.clear();
    }
    pendingText += c;
}

void RtfReader::fontTableText(QByteArrayView bytes) {
    if (fontBeingDefined < 0)
        return;
    FontEntry& font = fonts[fontBeingDefined];
    for (char byte : bytes) {
        if (byte == ';') {
            font.name = font.name.trimmed();
            font.symbol =
                font.charset == 2 || font.name.compare(u"Symbol", Qt::CaseInsensitive) == 0;
            fontBeingDefined = -1;
            return;
        }
        if (font.name.size() < 64)
            font.name += QChar::fromLatin1(byte);
    }
}

void RtfReader::colourTableText(QByteArrayView bytes) {
    for (char byte : bytes) {
        if (byte != ';' || colours.size() >= largestColourTable)
            continue;
        colours.push_back(colourComponentSeen ? colourBeingDefined : QColor());
        colourComponentSeen = false;
    }
}

// A cell ended: its separator goes in only when more text follows in the row.
void RtfReader::startCellText() {
    if (!cellSeparatorPending)
        return;
    cellSeparatorPending = false;
    character(QChar(u'\t'));
}

int RtfReader::codePage() const {
    const auto it = fonts.constFind(state().chars.font);
    if (it == fonts.constEnd())
        return documentCodePage;
    if (it->symbol)
        return rtfcharsets::symbolCodePage;
    return rtfcharsets::codePageOfCharset(it->charset, documentCodePage);
}

bool RtfReader::inSymbolFont() const {
    const auto it = fonts.constFind(state().chars.font);
    return it != fonts.constEnd() && it->symbol;
}

// Called before every change of the character state, so the pending text is
// always in the current state.
void RtfReader::flush() {
    if (!pendingBytes.isEmpty()) {
        pendingText += decoders.decode(pendingBytes, codePage());
        pendingBytes.clear();
    }
    pendingText.removeIf(isStructuralCharacter);
    if (!pendingText.isEmpty()) {
        cursor.insertText(pendingText, characterFormat());
        pendingText.clear();
    }
}

QTextCharFormat RtfReader::characterFormat() {
    const RtfCharState& chars = state().chars;
    if (formatBuilt && builtState == chars)
        return format;
    format = QTextCharFormat();
    const auto font = fonts.constFind(chars.font);
    // A Symbol run is already mapped to Unicode: the document's font shows it.
    if (font != fonts.constEnd() && !font->symbol && !font->name.isEmpty())
        format.setFontFamilies({font->name});
    const double points = chars.halfPoints / 2.0;
    format.setFontPointSize(points);
    format.setFontWeight(chars.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(chars.italic);
    format.setFontUnderline(chars.underline);
    format.setFontStrikeOut(chars.strike);
    if (chars.foreground > 0 && std::size_t(chars.foreground) < colours.size() &&
        colours[chars.foreground].isValid())
        format.setForeground(colours[chars.foreground]);
    if (chars.background > 0 && std::size_t(chars.background) < colours.size() &&
        colours[chars.background].isValid())
        format.setBackground(colours[chars.background]);
    if (chars.script == RtfCharState::Super)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (chars.script == RtfCharState::Sub)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (chars.capitals)
        format.setFontCapitalization(QFont::AllUppercase);
    else if (chars.smallCapitals)
        format.setFontCapitalization(QFont::SmallCaps);
    if (chars.raiseHalfPoints != 0) {
        format.setProperty(richtextformats::charOffsetProperty, chars.raiseHalfPoints * 10);
        format.setBaselineOffset(chars.raiseHalfPoints / 2.0 / points * 100.0);
    }
    builtState = chars;
    formatBuilt = true;
    return format;
}

QTextBlockFormat RtfReader::blockFormat() const {
    const RtfParagraphState& paragraph = state().paragraph;
    QTextBlockFormat block;
    block.setAlignment(paragraph.alignment);
    block.setLeftMargin(std::max(paragraph.leftIndent, 0) / rtfTwipsPerPixel);
    block.setRightMargin(std::max(paragraph.rightIndent, 0) / rtfTwipsPerPixel);
    block.setTextIndent(paragraph.firstIndent / rtfTwipsPerPixel);
    block.setTopMargin(std::max(paragraph.spaceBefore, 0) / rtfTwipsPerPixel);
    block.setBottomMargin(std::max(paragraph.spaceAfter, 0) / rtfTwipsPerPixel);
    block.setTabPositions(paragraph.tabs);
    return block;
}

// The paragraph's own format is set when it ends, from the state then in force,
// so nothing of the previous paragraph carries over.
void RtfReader::endParagraph() {
    if (state().destination != RtfDestination::Text)
        return;
    cellSeparatorPending = false;
    flush();
    setParagraphFormat(true);
    cursor.insertBlock(blockFormat(), characterFormat());
}

// An empty paragraph left open at the end of the text or of a note is no list item.
void RtfReader::setParagraphFormat(bool ended) {
    QTextBlockFormat block = blockFormat();
    if (ended || cursor.block().length() > 1) {
        RtfListMarkers& markers = state().inNote ? noteListMarkers : listMarkers;
        markers.endParagraph(state().paragraph.numbering, markerWritten, block);
    }
    markerWritten = false;
    cursor.setBlockFormat(block);
}

void RtfReader::finishPicture() {
    const PlacedPicture placed = placePicture(picture, placeholder);
    embeddedimages::insert(cursor, placed.image, placed.width, placed.height, characterFormat());
    picture = RtfPicture{};
}

} // namespace

void readRtf(const QByteArray& rtf, QTextDocument& document) {
    document.clear();
    // The reading is one step, not thousands of undoable edits.
    const bool undoable = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    // Inside an edit block an insertion does not lay its paragraph out again, which
    // made a long paragraph of many runs cost the square of its length.
    QTextCursor edit(&document);
    edit.beginEditBlock();
    RtfReader(document).read(rtf);
    edit.endEditBlock();
    document.setUndoRedoEnabled(undoable);
}

bool readRtfFile(const QString& path, QTextDocument& document) {
    QFile file(path);
    QByteArray data;
    if (file.open(QIODevice::ReadOnly))
        data = file.readAll();
    if (file.error() != QFile::NoError || !data.trimmed().startsWith("{\\rtf")) {
        document.clear();
        return false;
    }
    readRtf(data, document);
    return true;
}
