#include "common/recordfile.h"

#include "common/windows1252.h"

#include <QtEndian>
#include <algorithm>

RecordFile::RecordFile(const QString& path, Mode mode) : file_(path), mode_(mode) {
    if (mode == Mode::Read)
        file_.open(QIODevice::ReadOnly);
    else
        file_.open(QIODevice::ReadWrite);
}

static bool validRecordNumber(int record) {
    return record >= 1 && record <= RecordFile::maxRecord;
}

static qint64 offsetOf(int record) {
    return qint64(record - 1) * RecordFile::recordSize;
}

QString RecordFile::read(int record) {
    if (!isOpen() || !validRecordNumber(record) || !file_.seek(offsetOf(record)))
        return {};
    const QByteArray bytes = file_.read(recordSize);
    if (bytes.size() < 2)
        return {};
    const int declared = qFromLittleEndian<quint16>(bytes.constData());
    QByteArray text = bytes.mid(2, std::min(declared, maxTextBytes));
    // A damaged length never reads into the next record, nor shows the padding: the
    // texts of a course hold no NUL, so the first one ends the text.
    if (const qsizetype nul = text.indexOf('\0'); declared > maxTextBytes && nul >= 0)
        text.truncate(nul);
    return windows1252::decode(text);
}

bool RecordFile::write(int record, const QString& text) {
    if (!isOpen() || mode_ != Mode::ReadWrite || !validRecordNumber(record))
        return false;
    const std::optional<QByteArray> encoded = windows1252::encode(text);
    if (!encoded || encoded->size() > maxTextBytes)
        return false;

    QByteArray bytes(recordSize, '\0');
    qToLittleEndian<quint16>(quint16(encoded->size()), bytes.data());
    std::copy(encoded->cbegin(), encoded->cend(), bytes.begin() + 2);
    // Beyond the end the system leaves a gap of zeros, which reads as empty records.
    // Filling it here instead could overwrite a record that another process writes
    // into the gap meanwhile.
    if (!file_.seek(offsetOf(record)) || file_.write(bytes) != recordSize)
        return false;
    return file_.flush();
}

QString readRecord(const QString& path, int record) {
    return RecordFile(path, RecordFile::Mode::Read).read(record);
}

bool writeRecord(const QString& path, int record, const QString& text) {
    return RecordFile(path, RecordFile::Mode::ReadWrite).write(record, text);
}
