#include "platform/qtmediacontrol.h"

#include <gtest/gtest.h>

TEST(QtMediaControl, CloseWorksBeforeAnythingWasOpenedAndPlayNeedsAFile) {
    QtMediaControl control;
    EXPECT_TRUE(control.send(MediaControl::Command::Close));
    EXPECT_FALSE(control.send(MediaControl::Command::Play));
    EXPECT_FALSE(control.send(MediaControl::Command::Open)); // no file name yet
    EXPECT_TRUE(control.send(MediaControl::Command::Close));
}

TEST(QtMediaControl, NothingOpenHasNoLengthAndRefusesTheMovingCommands) {
    QtMediaControl control;
    control.setFrom(1000);
    EXPECT_EQ(control.position(), 0);
    EXPECT_EQ(control.length(), 0);
    for (auto command : {MediaControl::Command::Step, MediaControl::Command::Back,
                         MediaControl::Command::Prev, MediaControl::Command::Pause})
        EXPECT_FALSE(control.send(command));
}
