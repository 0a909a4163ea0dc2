#include "specialpictures.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

constexpr double none = std::numeric_limits<double>::infinity();

// Where the page shows each body's sheet (open rectangles).
const struct {
    const char* name;
    double left, right, top, bottom;
} hitRectangles[] = {
    {"Neptune", 80, 180, 35, 85},     {"Pluton", 245, 295, 5, 35},
    {"Saturne", 180, 340, 60, 150},   {"Jupiter", 90, 240, 200, 310},
    {"Uranus", 415, 520, 0, 90},      {"Mercure", 430, 500, 300, 340},
    {"Soleil", 500, none, 240, none}, {"Terre", 470, 540, 170, 210},
    {"Vénus", 420, 500, 240, 280},    {"Mars", 560, 625, 130, 160},
};

TEST(SolarSystemPicture, EachBodyLiesInsideItsHitRectangleAndIsDrawn) {
    const QImage picture = solarSystem();
    ASSERT_EQ(picture.size(), QSize(640, 350));
    for (const auto& r : hitRectangles) {
        const SolarBody* body = nullptr;
        for (const SolarBody& b : solarBodies)
            if (QString::fromUtf8(b.name) == QString::fromUtf8(r.name))
                body = &b;
        ASSERT_NE(body, nullptr) << r.name;
        EXPECT_GT(body->x - body->halfWidth, r.left) << r.name;
        EXPECT_LT(body->x + body->halfWidth, r.right) << r.name;
        EXPECT_GT(body->y - body->halfHeight, r.top) << r.name;
        EXPECT_LT(body->y + body->halfHeight, r.bottom) << r.name;
        // A point of the disc, up and left of its centre, is painted, not left as sky.
        const QPoint inside(int(body->x - 0.35 * body->halfHeight),
                            int(body->y - 0.35 * body->halfHeight));
        ASSERT_TRUE(picture.rect().contains(inside)) << r.name;
        EXPECT_GT(qGray(picture.pixel(inside)), 60) << r.name;
    }
}

} // namespace
