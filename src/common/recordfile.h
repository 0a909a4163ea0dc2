#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <memory>

// The record storage shared by the content database, the flag file, the test files
// and the dictionary: 128-byte records numbered from 1, each holding one string as a
// 16-bit little-endian length and that many Windows-1252 bytes.
//
// The files are shared with other programs: a write changes the 128 bytes of its
// own record and nothing else, and no open ever truncates a file.
class RecordFile {
public:
    static constexpr int recordSize = 128;
    static constexpr int maxTextBytes = recordSize - 2;
    static constexpr int maxRecord = 32767;

    // Read never creates the file; ReadWrite creates it when it is missing.
    // ReadUnchanging reads as Read does, for a file nothing rewrites while the program
    // runs (the course's): the file is still opened each time, but its records come
    // from a copy of the whole file, kept while its size and modification and status
    // change times stay.
    enum class Mode { Read, ReadWrite, ReadUnchanging };

    RecordFile(const QString& path, Mode mode);

    bool isOpen() const { return file_.isOpen(); }

    // A record beyond the end, outside 1..32767 or in a file that could not be
    // opened reads as "". A length above 126 (a damaged record) reads the text up to
    // the first NUL of the record's padding.
    QString read(int record);

    // Refuses (returns false) a text longer than 126 bytes or not representable in
    // Windows-1252, a record number outside 1..32767 and a file opened for reading.
    // Records between the old end and this one read as empty.
    bool write(int record, const QString& text);

private:
    QFile file_;
    Mode mode_;
    std::shared_ptr<const QByteArray> copy_;
};

// One-shot helpers: open, one access, close.
QString readRecord(const QString& path, int record);
bool writeRecord(const QString& path, int record, const QString& text);
