#include "common/recordfile.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtEndian>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <thread>

namespace {

class RecordFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("records.bin"));

    void writeBytes(const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray bytes() {
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }
    static QByteArray record(quint16 length, const QByteArray& text) {
        QByteArray r(RecordFile::recordSize, '\0');
        qToLittleEndian(length, r.data());
        r.replace(2, text.size(), text);
        return r.left(RecordFile::recordSize);
    }
};

TEST_F(RecordFileTest, ReadsWindows1252TextOfEachRecord) {
    writeBytes(record(5, "BASE ") + record(6, "\xe9t\xe9 \x80\x9c"));
    EXPECT_EQ(readRecord(path, 1), QStringLiteral("BASE "));
    EXPECT_EQ(readRecord(path, 2), QString::fromUtf8("été €œ"));
}

TEST_F(RecordFileTest, MissingShortAndOutOfRangeRecordsReadEmpty) {
    EXPECT_EQ(readRecord(path, 1), QString());
    EXPECT_FALSE(QFile::exists(path)) << "reading must never create the file";

    writeBytes(record(3, "abc") + QByteArray("\x05\x00xy", 4)); // record 2 cut short
    EXPECT_EQ(readRecord(path, 2), QStringLiteral("xy"));
    EXPECT_EQ(readRecord(path, 3), QString());
    EXPECT_EQ(readRecord(path, 0), QString());
    EXPECT_EQ(readRecord(path, -1), QString());
    EXPECT_EQ(readRecord(path, 32768), QString());
}

TEST_F(RecordFileTest, DamagedLengthReadsTheTextUpToThePaddingNeverIntoTheNextRecord) {
    struct Case {
        quint16 length;
        QByteArray record; // the bytes after the length field
        QString expected;
    };
    const Case cases[] = {
        {127, "abc", QStringLiteral("abc")},
        {300, "1.1. Les atomes", QStringLiteral("1.1. Les atomes")},
        {65535, "", QString()},
        {4000, QByteArray(126, 'a'), QString(126, u'a')},
        {300, QByteArray("ab\0cd", 5), QStringLiteral("ab")},
    };
    for (const Case& c : cases) {
        writeBytes(record(c.length, c.record) + record(3, "bbb"));
        EXPECT_EQ(readRecord(path, 1), c.expected) << c.length << " " << c.record.constData();
        EXPECT_EQ(readRecord(path, 2), QStringLiteral("bbb"));
    }
    writeBytes(record(3, "abc") + QByteArray("\x2c\x01xy", 4)); // length 300, cut short
    EXPECT_EQ(readRecord(path, 2), QStringLiteral("xy"));
}

TEST_F(RecordFileTest, WriteKeepsEveryOtherRecordIntact) {
    QByteArray original = record(3, "one") + record(3, "two") + record(5, "three");
    original[100] = 'X'; // padding of another writer stays as it was
    writeBytes(original);

    ASSERT_TRUE(writeRecord(path, 2, QStringLiteral("2")));

    const QByteArray after = bytes();
    ASSERT_EQ(after.size(), original.size());
    EXPECT_EQ(after.left(128), original.left(128));
    EXPECT_EQ(after.mid(256), original.mid(256));
    EXPECT_EQ(readRecord(path, 2), QStringLiteral("2"));
}

TEST_F(RecordFileTest, WriteBeyondTheEndCreatesAndExtendsWithEmptyRecords) {
    ASSERT_TRUE(writeRecord(path, 3, QStringLiteral("ECRANOK")));
    EXPECT_EQ(bytes().size(), 3 * 128);
    EXPECT_EQ(readRecord(path, 1), QString());
    EXPECT_EQ(readRecord(path, 2), QString());
    EXPECT_EQ(readRecord(path, 3), QStringLiteral("ECRANOK"));

    ASSERT_TRUE(writeRecord(path, 1, QStringLiteral("x")));
    EXPECT_EQ(bytes().size(), 3 * 128) << "no open may truncate the file";
}

TEST_F(RecordFileTest, LongestTextAndTrailingSpacesRoundTrip) {
    const QString full(126, u'é');
    const QString spaced = QStringLiteral("  clé  ");
    ASSERT_TRUE(writeRecord(path, 1, full));
    ASSERT_TRUE(writeRecord(path, 2, spaced));
    EXPECT_EQ(readRecord(path, 1), full);
    EXPECT_EQ(readRecord(path, 2), spaced);
}

TEST_F(RecordFileTest, RefusesTextThatDoesNotFitAndLeavesTheRecord) {
    ASSERT_TRUE(writeRecord(path, 1, QStringLiteral("avant")));
    EXPECT_FALSE(writeRecord(path, 1, QString(127, u'a')));
    EXPECT_FALSE(writeRecord(path, 1, QString::fromUtf8("α ≠ a")));
    EXPECT_FALSE(writeRecord(path, 0, QStringLiteral("a")));
    EXPECT_FALSE(writeRecord(path, 32768, QStringLiteral("a")));
    EXPECT_EQ(readRecord(path, 1), QStringLiteral("avant"));
    EXPECT_EQ(bytes().size(), 128);
}

TEST_F(RecordFileTest, OneOpeningServesAGroupOfAccesses) {
    RecordFile file(path, RecordFile::Mode::ReadWrite);
    for (int r = 1; r <= 20; ++r)
        ASSERT_TRUE(file.write(r, QStringLiteral("NON")));
    EXPECT_EQ(file.read(20), QStringLiteral("NON"));

    RecordFile readOnly(path, RecordFile::Mode::Read);
    EXPECT_FALSE(readOnly.write(1, QStringLiteral("OUI")));
    EXPECT_EQ(readOnly.read(1), QStringLiteral("NON"));
}

// A course file kept in memory must still show every change at the next opening: a
// rewrite in place (its date even set back), a replacement by another file of the same
// size and date, a removal, and changes so quick that the clock may not move between.
QString readUnchanging(const QString& file, int record) {
    return RecordFile(file, RecordFile::Mode::ReadUnchanging).read(record);
}

void setModified(const QString& file, const QDateTime& when) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.setFileTime(when, QFileDevice::FileModificationTime);
}

TEST_F(RecordFileTest, AFileKeptInMemoryShowsEveryChangeAtTheNextOpening) {
    const QDateTime installed(QDate(2024, 1, 15), QTime(8, 0));
    struct Case {
        const char* change;
        std::function<void(const QString&)> apply;
        QString expected;
    };
    const Case cases[] = {
        {"rewritten in place",
         [](const QString& file) { ASSERT_TRUE(writeRecord(file, 2, QStringLiteral("après"))); },
         QStringLiteral("après")},
        {"rewritten in place, its date set back",
         [&](const QString& file) {
             ASSERT_TRUE(writeRecord(file, 2, QStringLiteral("après")));
             setModified(file, installed);
         },
         QStringLiteral("après")},
        {"replaced by a file of the same size and date",
         [&](const QString& file) {
             const QString other = file + QStringLiteral(".new");
             ASSERT_TRUE(writeRecord(other, 1, QStringLiteral("BASE GL")));
             ASSERT_TRUE(writeRecord(other, 2, QStringLiteral("autre")));
             setModified(other, installed);
             ASSERT_TRUE(QFile::remove(file));
             ASSERT_TRUE(QFile::rename(other, file));
         },
         QStringLiteral("autre")},
        {"removed", [](const QString& file) { QFile::remove(file); }, QString()},
    };
    QStringList files;
    for (const Case& c : cases) {
        files.append(dir.filePath(QString::fromLatin1(c.change)));
        ASSERT_TRUE(writeRecord(files.last(), 1, QStringLiteral("BASE GL")));
        ASSERT_TRUE(writeRecord(files.last(), 2, QStringLiteral("avant")));
        setModified(files.last(), installed);
    }
    // Only a file left alone for a few seconds is kept in memory.
    std::this_thread::sleep_for(std::chrono::milliseconds(3100));
    for (qsizetype i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(cases[i].change);
        EXPECT_EQ(readUnchanging(files[i], 2), QStringLiteral("avant"));
        cases[i].apply(files[i]);
        EXPECT_EQ(readUnchanging(files[i], 2), cases[i].expected);
        EXPECT_EQ(readUnchanging(files[i], 3), QString());
    }
}

TEST_F(RecordFileTest, AFileChangedInQuickSuccessionIsReadAfreshEachTime) {
    for (const QString& text :
         {QStringLiteral("un"), QStringLiteral("deux"), QStringLiteral("trois")}) {
        ASSERT_TRUE(writeRecord(path, 1, text));
        EXPECT_EQ(readUnchanging(path, 1), text);
    }
    EXPECT_EQ(readUnchanging(dir.filePath(QStringLiteral("absent.bin")), 1), QString());
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("absent.bin"))));
}

TEST(Windows1252, EveryByteDecodesAsTheConverterDecodesIt) {
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(char(byte));
    QStringDecoder decoder("windows-1252");
    const QString expected = decoder.decode(all);
    ASSERT_EQ(expected.size(), 256);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("all.bin"));
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    for (int start = 0; start < 256; start += 120) {
        const QByteArray chunk = all.mid(start, 120);
        QByteArray record(RecordFile::recordSize, '\0');
        qToLittleEndian<quint16>(quint16(chunk.size()), record.data());
        record.replace(2, chunk.size(), chunk);
        out.write(record.left(RecordFile::recordSize));
    }
    out.close();
    EXPECT_EQ(readRecord(path, 1) + readRecord(path, 2) + readRecord(path, 3), expected);
}

} // namespace
