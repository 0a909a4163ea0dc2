// Any bytes as the flag file, queried for any module number: the answer is −1 or a
// count of at most 20, and start-up's reset marks every module stopped without
// changing a byte past record 20.

#include "common/recordfile.h"
#include "fuzzfiles.h"
#include "modules/flagfile.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("TEMPO.GXS"));
    // The first two bytes are the module asked for, any 16-bit number; the rest the file.
    const qint16 n = qFromLittleEndian<qint16>(data);
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 2, qsizetype(size - 2));
    save(path, bytes);

    const qint16 etat = etatModules(path, n);
    if (etat < -1 || etat > flagfile::requeteNeutre)
        std::abort();
    if (etat >= 0 && readRecord(path, n) != u"NON")
        std::abort();

    if (!reinitialiserModules(path))
        std::abort();
    for (qint16 module = flagfile::premierModule; module <= flagfile::requeteNeutre; ++module)
        if (etatModules(path, module) != 0)
            std::abort();
    const qsizetype reset = flagfile::requeteNeutre * RecordFile::recordSize;
    const QByteArray after = load(path);
    if (after.size() != std::max(bytes.size(), reset) || after.mid(reset) != bytes.mid(reset))
        std::abort();
    return 0;
}
