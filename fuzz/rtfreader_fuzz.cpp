// Feeds arbitrary bytes to the RTF reader and walks the box's positions of the result.

#include "platform/richtext/boxtext.h"
#include "platform/richtext/rtfreader.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QTextDocument document;
    readRtf(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
            document);
    const QString text = boxtext::plainText(document);
    for (int position = 0; position <= text.size(); position += 7) {
        const int cursor = boxtext::toCursorPosition(document, position);
        if (cursor < 0 || cursor >= document.characterCount())
            std::abort();
        if (boxtext::toBoxPosition(document, cursor) < position - 1)
            std::abort();
    }
    return 0;
}
