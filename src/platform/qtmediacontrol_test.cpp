#include "platform/qtmediacontrol.h"

#include <gtest/gtest.h>

TEST(QtMediaControl, CloseWorksBeforeAnythingWasOpenedAndPlayNeedsAFile) {
    QtMediaControl control;
    EXPECT_TRUE(control.send(MediaControl::Command::Close));
    EXPECT_FALSE(control.send(MediaControl::Command::Play));
    EXPECT_FALSE(control.send(MediaControl::Command::Open)); // no file name yet
    EXPECT_TRUE(control.send(MediaControl::Command::Close));
}
