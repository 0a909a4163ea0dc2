// Any bytes as the content database: the signature and every page read within the
// records, and the key search finds the lowest page holding the key, never a page
// past the end of the table.

#include "common/spaces.h"
#include "fuzzfiles.h"
#include "navigator/contentdatabase.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("GLXNOV.glb"));
    // The first two bytes choose a page to read, any 16-bit number; the rest is the file.
    const int asked = qFromLittleEndian<qint16>(data);
    save(path, QByteArrayView(data + 2, qsizetype(size - 2)));

    readSignature(path);
    const PageRecord page = readPage(path, asked);
    if (asked < 1 || asked > dernierePageAdressable) {
        for (int k = 0; k < 10; ++k)
            if (!page.slot(k).isEmpty())
                std::abort();
    }
    if (page.cle != readKey(path, asked))
        std::abort();

    const int pages = int((size - 2) / 1280) + 2;
    for (int n = 1; n <= pages; ++n) {
        const QString cle = readKey(path, n);
        const std::optional<int> found = findPage(path, cle);
        if (trimSpaces(cle).isEmpty()) {
            // A key of spaces only ends the table and is never found.
            if (found)
                std::abort();
            break;
        }
        if (!found || *found < 1 || *found > n || readKey(path, *found) != cle)
            std::abort();
        for (int before = 1; before < *found; ++before)
            if (readKey(path, before) == cle)
                std::abort();
    }
    findPage(path, QString());
    findPage(path, QStringLiteral("1.1. Les atomes"));
    return 0;
}
