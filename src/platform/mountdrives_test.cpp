#include "platform/mountdrives.h"

#include <gtest/gtest.h>

TEST(MountDrives, OpticalDiscsComeFirstThenRemovableMountsEachByPath) {
    const QList<Mount> mounts = {
        {"/", "ext4"},
        {"/media/pupil/USB", "vfat"},
        {"/media/pupil/GALVANE", "iso9660"},
        {"/run/media/pupil/CLE", "exfat"},
        {"/mnt/disc", "udf"},
        {"/home", "ext4"},
    };
    EXPECT_EQ(lettered(mounts), (QStringList{"/media/pupil/GALVANE", "/mnt/disc",
                                             "/media/pupil/USB", "/run/media/pupil/CLE"}));
}

TEST(MountDrives, LettersBeforeDAndBeyondZNameNoDrive) {
    const MountDrives drives;
    for (QChar letter : {QChar(u'A'), QChar(u'B'), QChar(u'C'), QChar(u'['), QChar(u'@')})
        EXPECT_TRUE(drives.root(letter).isEmpty()) << letter.toLatin1();
}
