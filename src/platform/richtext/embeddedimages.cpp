#include "platform/richtext/embeddedimages.h"

#include "platform/richtext/richtextformats.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

namespace embeddedimages {

namespace {

using richtextformats::imageProperty;

QString nameOf(const QImage& image) {
    return QStringLiteral("rtfimage:%1").arg(image.cacheKey());
}

} // namespace

void insert(QTextCursor& cursor, const QImage& image, int width, int height,
            const QTextCharFormat& around) {
    const QString name = nameOf(image);
    QTextDocument* document = cursor.document();
    if (!document->resource(QTextDocument::ImageResource, QUrl(name)).isValid())
        document->addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.merge(around);
    format.setName(name);
    format.setWidth(width);
    format.setHeight(height);
    format.setProperty(imageProperty, image);
    cursor.insertImage(format);
}

void restore(QTextDocument& document, int from, int to) {
    for (QTextBlock block = document.findBlock(from); block.isValid() && block.position() <= to;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat() || !format.hasProperty(imageProperty))
                continue;
            const QTextImageFormat imageFormat = format.toImageFormat();
            document.addResource(QTextDocument::ImageResource, QUrl(imageFormat.name()),
                                 format.property(imageProperty));
        }
    }
}

} // namespace embeddedimages
