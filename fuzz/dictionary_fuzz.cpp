// Any bytes as the keyword dictionary: loaded as start-up loads it, every keyword
// leads to its pages and every page back to its keywords, and the display form of a
// key is always an ending of it.

#include "common/recordfile.h"
#include "dictionary/dictionaryloading.h"
#include "dictionary/dictionarylookup.h"
#include "dictionary/dictionarystate.h"
#include "fuzzfiles.h"

#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void checkDisplayForm(const QString& cle) {
    if (!cle.endsWith(titreAffiche(cle)))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("GLX.DIC"));
    save(path, QByteArrayView(data, qsizetype(size)));

    DictionaryState state;
    const QStringList lus = lireMotsCles(path);
    retenirMotsCles(state, lus);
    if (state.finDico != 2 * lus.size() || state.dernierMotCle != state.motsCles.size() - 1)
        std::abort();
    for (qsizetype i = 1; i < state.motsCles.size(); ++i)
        if (state.motsCles[i] == state.motsCles[i - 1])
            std::abort();

    for (const QString& mot : state.motsCles) {
        if (!lus.contains(mot))
            std::abort();
        const QStringList pages = pagesOfKeyword(path, state.finDico, mot);
        if (pages.isEmpty())
            std::abort();
        for (const QString& cle : pages) {
            checkDisplayForm(cle);
            if (!keywordsOfPage(path, state.finDico, cle, RecordFile::maxRecord).contains(mot))
                std::abort();
            QStringList liees = pagesLiees(path, state.finDico, cle);
            if (!liees.contains(cle) || liees.removeDuplicates() != 0)
                std::abort();
        }
    }
    checkDisplayForm(QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
