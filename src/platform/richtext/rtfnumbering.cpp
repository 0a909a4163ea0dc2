#include "platform/richtext/rtfnumbering.h"

#include "platform/richtext/richtextformats.h"
#include "platform/richtext/rtfstate.h"

#include <QTextBlockFormat>
#include <algorithm>

namespace rtfnumbering {

namespace {

// A, B, … Z, AA, BB, … as word processors letter lists.
QString letters(int value, char16_t first) {
    const int repeat = (value - 1) / 26 + 1;
    return QString(std::min(repeat, 16), QChar(first + (value - 1) % 26));
}

QString roman(int value) {
    static const struct {
        int value;
        const char* digits;
    } steps[] = {{1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"},
                 {90, "xc"},  {50, "l"},   {40, "xl"}, {10, "x"},   {9, "ix"},
                 {5, "v"},    {4, "iv"},   {1, "i"}};
    QString text;
    for (const auto& step : steps) {
        for (; value >= step.value; value -= step.value)
            text += QLatin1String(step.digits);
    }
    return text;
}

} // namespace

QString number(int value, Style style) {
    if (style == Style::Bullet)
        return {};
    // Letters, roman and symbols have no zero nor negative numbers; Roman stops at 3999.
    if (value < 1 && style != Style::Decimal)
        return QString::number(value);
    switch (style) {
    case Style::LowerLetter:
        return letters(value, u'a');
    case Style::UpperLetter:
        return letters(value, u'A');
    case Style::LowerRoman:
        return value < 4000 ? roman(value) : QString::number(value);
    case Style::UpperRoman:
        return value < 4000 ? roman(value).toUpper() : QString::number(value);
    case Style::Symbols: {
        static const char16_t symbols[] = {u'*', u'\u2020', u'\u2021', u'\u00A7'};
        return QString(std::min((value - 1) / 4 + 1, 16), QChar(symbols[(value - 1) % 4]));
    }
    default:
        return QString::number(value);
    }
}

} // namespace rtfnumbering

namespace rtfnumbering {

std::optional<Style> footnoteStyle(QByteArrayView word) {
    static const struct {
        QByteArrayView word;
        Style style;
    } styles[] = {
        {"ftnnar", Style::Decimal},      {"ftnnalc", Style::LowerLetter},
        {"ftnnauc", Style::UpperLetter}, {"ftnnrlc", Style::LowerRoman},
        {"ftnnruc", Style::UpperRoman},  {"ftnnchi", Style::Symbols},
    };
    for (const auto& entry : styles) {
        if (entry.word == word)
            return entry.style;
    }
    return std::nullopt;
}

} // namespace rtfnumbering

bool applyNumberingWord(RtfNumbering& numbering, QByteArrayView word, int parameter) {
    using rtfnumbering::Style;
    static const struct {
        QByteArrayView word;
        Style style;
    } styles[] = {
        {"pndec", Style::Decimal},       {"pncard", Style::Decimal},
        {"pnord", Style::Decimal},       {"pnordt", Style::Decimal},
        {"pncardt", Style::Decimal},     {"pnlcltr", Style::LowerLetter},
        {"pnucltr", Style::UpperLetter}, {"pnlcrm", Style::LowerRoman},
        {"pnucrm", Style::UpperRoman},
    };
    for (const auto& entry : styles) {
        if (entry.word == word) {
            numbering.style = entry.style;
            return true;
        }
    }
    if (word == "pnlvlblt") {
        numbering.level = RtfNumbering::Bullet;
        numbering.style = Style::Bullet;
    } else if (word == "pnlvlbody") {
        numbering.level = RtfNumbering::Body;
    } else if (word == "pnlvl") {
        numbering.level = RtfNumbering::Body;
        numbering.outline = std::clamp(parameter, 1, 9);
    } else if (word == "pnlvlcont") {
        numbering.level = RtfNumbering::Continue;
    } else if (word == "pnstart") {
        numbering.start = std::clamp(parameter, 0, 32767);
    } else if (word == "pnindent") {
        numbering.indent = std::clamp(parameter, 0, 31680);
    } else {
        return false;
    }
    return true;
}

void RtfListMarkers::endParagraph(const RtfNumbering& numbering, bool markerWritten,
                                  QTextBlockFormat& block) {
    if (numbering.level == RtfNumbering::None) {
        levels.fill(Counter{});
        return;
    }
    if (numbering.level == RtfNumbering::Continue)
        return; // a further paragraph of the item before
    // An outline item ends the lists of the levels below it.
    for (std::size_t deeper = numbering.outline + 1; deeper < levels.size(); ++deeper)
        levels[deeper] = Counter{};
    Counter& counter = levels[numbering.outline];
    if (counter.counting && numbering == counter.list) {
        counter.value = std::min(counter.value + 1, 1 << 24);
    } else {
        counter = Counter{numbering, numbering.start, true};
    }
    const int value = counter.value;
    if (markerWritten)
        return;
    QString marker =
        numbering.before + rtfnumbering::number(value, numbering.style) + numbering.after;
    if (numbering.level == RtfNumbering::Bullet && marker.trimmed().isEmpty())
        marker = QStringLiteral("\u2022");
    // The marker takes the place the first line begins at; the text moves to the
    // hanging indent, or past the marker when there is none.
    const double firstLine = block.textIndent();
    block.setProperty(richtextformats::listMarkerProperty, marker);
    block.setProperty(richtextformats::listMarkerIndentProperty, firstLine);
    block.setTextIndent(
        firstLine < 0 ? 0.0 : firstLine + std::max(numbering.indent, 360) / rtfTwipsPerPixel);
}
