#include "platform/richtext/listmarkers.h"

#include "platform/richtext/richtextformats.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace {

// The marker is written like the paragraph's first character.
QTextCharFormat markerFormat(const QTextBlock& block) {
    const QTextBlock::iterator first = block.begin();
    return first.atEnd() ? block.charFormat() : first.fragment().charFormat();
}

} // namespace

void paintListMarkers(QPainter& painter, const QTextDocument& document, const QRectF& visible) {
    using richtextformats::listMarkerIndentProperty;
    using richtextformats::listMarkerProperty;
    const QAbstractTextDocumentLayout* layout = document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat format = block.blockFormat();
        if (!format.hasProperty(listMarkerProperty) || !block.layout() ||
            block.layout()->lineCount() == 0)
            continue;
        const QRectF area = layout->blockBoundingRect(block);
        if (!area.intersects(visible))
            continue;
        const QTextLine firstLine = block.layout()->lineAt(0);
        const QTextCharFormat character = markerFormat(block);
        painter.setFont(character.font().resolve(document.defaultFont()));
        painter.setPen(character.hasProperty(QTextFormat::ForegroundBrush)
                           ? character.foreground().color()
                           : QColor(Qt::black));
        // Lines are placed from the layout's position, past the paragraph's left margin.
        const QPointF origin = block.layout()->position();
        const double x =
            origin.x() + format.leftMargin() + format.doubleProperty(listMarkerIndentProperty);
        painter.drawText(QPointF(x, origin.y() + firstLine.y() + firstLine.ascent()),
                         format.stringProperty(listMarkerProperty));
    }
}
