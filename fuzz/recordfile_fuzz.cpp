// Any bytes as a record file, read at any record number: a text never exceeds a
// record, and writing back what was read stores it unchanged without touching the
// neighbouring records.

#include "common/recordfile.h"
#include "common/windows1252.h"
#include "fuzzfiles.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("records"));
    // The first two bytes choose the record, any 16-bit number; the rest is the file.
    const int record = qFromLittleEndian<qint16>(data);
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 2, qsizetype(size - 2));
    save(path, bytes);

    RecordFile file(path, RecordFile::Mode::Read);
    const QString text = file.read(record);
    const std::optional<QByteArray> encoded = windows1252::encode(text);
    if (encoded && encoded->size() > RecordFile::maxTextBytes)
        std::abort();
    const int records = int(bytes.size() / RecordFile::recordSize) + 1;
    for (int r = 1; r <= records; ++r)
        file.read(r);

    // Written back near the end only, so that a run does not spend its time on
    // megabytes of empty records.
    if (record < 1 || record > records + 3 || !encoded)
        return 0;
    RecordFile writer(path, RecordFile::Mode::ReadWrite);
    if (!writer.write(record, text) || writer.read(record) != text)
        std::abort();
    // Only the record's own 128 bytes change; a gap before it reads as empty records.
    const QByteArray after = load(path);
    const qsizetype start = qsizetype(record - 1) * RecordFile::recordSize;
    QByteArray expected = bytes;
    if (expected.size() < start + RecordFile::recordSize)
        expected.resize(start + RecordFile::recordSize, '\0');
    expected.replace(start, RecordFile::recordSize, after.mid(start, RecordFile::recordSize));
    if (after != expected)
        std::abort();
    return 0;
}
