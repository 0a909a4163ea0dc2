#include "platform/qtscreen.h"

#include <gtest/gtest.h>

namespace {

// The test main configures one 800 × 600 screen at 96 DPI.
TEST(QtScreen, MeasuresTheScreenInTwips) {
    QtScreen screen;
    EXPECT_DOUBLE_EQ(screen.twipsPerPixelX(), 15.0);
    EXPECT_DOUBLE_EQ(screen.twipsPerPixelY(), 15.0);
    EXPECT_DOUBLE_EQ(screen.widthTwips(), 12000.0);
    EXPECT_DOUBLE_EQ(screen.heightTwips(), 9000.0);
    EXPECT_GT(screen.colourDepth(), 0);
}

} // namespace
