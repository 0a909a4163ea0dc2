#include "platform/xrandrdisplaymodes.h"

#include <QtGlobal>
#include <gtest/gtest.h>

namespace {

// The real modes are exercised under Xvfb end to end; here, the answers without one.
TEST(XrandrDisplayModes, WithoutAnXServerThereIsNothingToChange) {
    const QByteArray saved = qgetenv("DISPLAY");
    qputenv("DISPLAY", ":9876");
    XrandrDisplayModes displayModes;
    EXPECT_TRUE(displayModes.modes().isEmpty());
    const DisplayMode mode{24, 800, 600,
                           DisplayModes::bitsPerPixelField | DisplayModes::widthField |
                               DisplayModes::heightField};
    EXPECT_EQ(displayModes.change(mode), DisplayModes::failed);
    if (saved.isEmpty())
        qunsetenv("DISPLAY");
    else
        qputenv("DISPLAY", saved);
}

} // namespace
