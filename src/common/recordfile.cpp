#include "common/recordfile.h"

#include "common/windows1252.h"

#include <QHash>
#include <QtEndian>
#include <algorithm>
#include <ctime>
#include <sys/stat.h>

namespace {

struct FileCopy {
    dev_t device;
    ino_t inode;
    off_t size;
    timespec modified;
    timespec changed;
    std::shared_ptr<const QByteArray> bytes;

    bool describes(const struct stat& status) const {
        return device == status.st_dev && inode == status.st_ino && size == status.st_size &&
               same(modified, status.st_mtim) && same(changed, status.st_ctim);
    }
    static bool same(const timespec& a, const timespec& b) {
        return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
    }
};

// The status change time moves at every write and cannot be set back, as the
// modification time can; but two changes within the clock's coarse tick share it, so
// a copy is kept only of a file left alone for a while, as a course is.
bool settled(const struct stat& status) {
    timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    return now.tv_sec - status.st_ctim.tv_sec > 2;
}

// The bytes of the open file, read again only when it is another file or has changed;
// none for a file changed too recently, which is then read record by record.
std::shared_ptr<const QByteArray> copyOf(QFile& file) {
    static QHash<QString, FileCopy> copies;
    struct stat status;
    if (fstat(file.handle(), &status) != 0)
        return {};
    if (!settled(status)) {
        copies.remove(file.fileName());
        return {};
    }
    FileCopy& copy = copies[file.fileName()];
    if (!copy.bytes || !copy.describes(status)) {
        const qint64 addressable = qint64(RecordFile::maxRecord) * RecordFile::recordSize;
        copy = {status.st_dev,
                status.st_ino,
                status.st_size,
                status.st_mtim,
                status.st_ctim,
                std::make_shared<const QByteArray>(file.read(std::min(file.size(), addressable)))};
    }
    return copy.bytes;
}

} // namespace

RecordFile::RecordFile(const QString& path, Mode mode) : file_(path), mode_(mode) {
    if (mode == Mode::ReadWrite) {
        file_.open(QIODevice::ReadWrite);
        return;
    }
    file_.open(QIODevice::ReadOnly);
    if (mode == Mode::ReadUnchanging && file_.isOpen())
        copy_ = copyOf(file_);
}

static bool validRecordNumber(int record) {
    return record >= 1 && record <= RecordFile::maxRecord;
}

static qint64 offsetOf(int record) {
    return qint64(record - 1) * RecordFile::recordSize;
}

QString RecordFile::read(int record) {
    if (!isOpen() || !validRecordNumber(record))
        return {};
    QByteArray bytes;
    if (copy_)
        bytes = copy_->mid(offsetOf(record), recordSize);
    else if (file_.seek(offsetOf(record)))
        bytes = file_.read(recordSize);
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
