#include "common/recordfile.h"
#include "navigator/contentdatabase.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ContentDatabaseTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("GLXNOV.glb"));

    void write(int record, const QString& text) { ASSERT_TRUE(writeRecord(path, record, text)); }
    void page(int n, const QString& key) { write(10 * n, key); }
};

TEST_F(ContentDatabaseTest, ReadsTheSignatureAndEverySlotOfAPage) {
    write(1, QStringLiteral("BASE GL"));
    for (int k = 0; k < 10; ++k)
        write(20 + k, QStringLiteral("slot %1").arg(k));

    EXPECT_EQ(readSignature(path), signatureBase);
    const PageRecord p = readPage(path, 2);
    EXPECT_EQ(p.cle, QStringLiteral("slot 0"));
    EXPECT_EQ(p.texte, QStringLiteral("slot 1"));
    EXPECT_EQ(p.genre, QStringLiteral("slot 4"));
    EXPECT_EQ(p.annexe, QStringLiteral("slot 5"));
    EXPECT_EQ(p.bandeau, QStringLiteral("slot 9"));
    EXPECT_EQ(readKey(path, 2), QStringLiteral("slot 0"));
}

TEST_F(ContentDatabaseTest, FindsKeysExactlyAndTheLowestPageFirst) {
    page(1, QStringLiteral("Atome"));
    page(2, QStringLiteral("Molécule"));
    page(3, QStringLiteral("Atome"));
    page(4, QStringLiteral("Ion\rcourt"));

    EXPECT_EQ(findPage(path, QStringLiteral("Atome")), 1);
    EXPECT_EQ(findPage(path, QStringLiteral("Molécule")), 2);
    EXPECT_EQ(findPage(path, QStringLiteral("Ion\rcourt")), 4);
    EXPECT_EQ(findPage(path, QStringLiteral("atome")), std::nullopt);
    EXPECT_EQ(findPage(path, QStringLiteral("Atome ")), std::nullopt);
    EXPECT_EQ(findPage(path, QStringLiteral("Absent")), std::nullopt);
}

TEST_F(ContentDatabaseTest, AKeyOfSpacesOnlyEndsTheTable) {
    page(1, QStringLiteral("Un"));
    page(2, QStringLiteral("   "));
    page(3, QStringLiteral("Trois"));
    EXPECT_EQ(findPage(path, QStringLiteral("Trois")), std::nullopt);
}

TEST_F(ContentDatabaseTest, EmptyOrMissingFilesFindNothing) {
    EXPECT_EQ(findPage(path, QStringLiteral("Un")), std::nullopt);
    EXPECT_EQ(readSignature(path), QString());
    QFile(path).open(QIODevice::WriteOnly);
    EXPECT_EQ(findPage(path, QStringLiteral("Un")), std::nullopt);
    EXPECT_EQ(findPage(path, QString()), std::nullopt);
}

TEST_F(ContentDatabaseTest, APageCutShortByTheEndOfTheFileReadsEmptySlots) {
    page(1, QStringLiteral("Un"));
    write(11, QStringLiteral("un.rtf"));
    const PageRecord p = readPage(path, 1);
    EXPECT_EQ(p.texte, QStringLiteral("un.rtf"));
    EXPECT_EQ(p.media, QString());
    EXPECT_EQ(p.bandeau, QString());
    EXPECT_EQ(readPage(path, 0).cle, QString());
    EXPECT_EQ(readPage(path, 3276).cle, QString());
}

TEST_F(ContentDatabaseTest, AChangedFileIsSeenAtTheNextCall) {
    page(1, QStringLiteral("Avant"));
    EXPECT_EQ(findPage(path, QStringLiteral("Après")), std::nullopt);
    page(1, QStringLiteral("Après"));
    EXPECT_EQ(findPage(path, QStringLiteral("Après")), 1);
}

} // namespace
