// Groups, and each token handed to the part of the reader that reads it.

#include "platform/richtext/rtfreader.h"

#include "platform/richtext/rtfreading.h"

#include <QFile>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace rtfreading {

namespace {

// Deeper groups share their parent's state, so a flood of braces costs no memory.
constexpr std::size_t deepestGroup = 2048;

} // namespace

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
        fontTableWord(token);
        return;
    }
    if (destination == RtfDestination::ColourTable) {
        colourTableWord(word, token.parameter);
        return;
    }
    if (destination == RtfDestination::Picture) {
        pictureWord(word, token.parameter);
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

} // namespace rtfreading

void readRtf(const QByteArray& rtf, QTextDocument& document) {
    document.clear();
    // The reading is one step, not thousands of undoable edits.
    const bool undoable = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    // Inside an edit block an insertion does not lay its paragraph out again, which
    // made a long paragraph of many runs cost the square of its length.
    QTextCursor edit(&document);
    edit.beginEditBlock();
    rtfreading::RtfReader(document).read(rtf);
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
