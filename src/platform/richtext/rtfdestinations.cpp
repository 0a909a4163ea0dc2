// Destinations: the groups whose text is not the page's, and the document's own words.

#include "platform/richtext/rtfreading.h"

#include <algorithm>

namespace rtfreading {

namespace {

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

} // namespace

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

} // namespace rtfreading
