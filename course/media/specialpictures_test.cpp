#include "specialpictures.h"

#include <QGuiApplication>
#include <cstdlib>
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

TEST(SolarSystemPicture, EachBodyLiesInsideItsHitRectangleAndIsDrawnAtEachDensity) {
    for (const qreal ratio : {1.0, 2.0}) {
        const QImage picture = solarSystem(ratio);
        ASSERT_EQ(picture.size(), QSize(640, 350) * ratio) << ratio;
        EXPECT_EQ(picture.devicePixelRatio(), ratio);
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
            // A point of the disc, up and left of its centre, is painted, not left as
            // sky: at 2× in the device pixels of the same place.
            const QPoint inside(int(ratio * (body->x - 0.35 * body->halfHeight)),
                                int(ratio * (body->y - 0.35 * body->halfHeight)));
            ASSERT_TRUE(picture.rect().contains(inside)) << r.name;
            EXPECT_GT(qGray(picture.pixel(inside)), 60) << r.name << " at " << ratio;
        }
    }
}

TEST(SpecialPictures, AreDrawnAtTheRatioAskedWithTheSameLayout) {
    // Their captions need the fonts of a GUI application (offscreen under CTest).
    int argc = 1;
    char name[] = "course_tests";
    char* argv[] = {name};
    const QGuiApplication application(argc, argv);
    const QList<NamedPicture> plain = specialPictures(1);
    const QList<NamedPicture> dense = specialPictures(2);
    ASSERT_EQ(plain.size(), dense.size());
    for (qsizetype i = 0; i < plain.size(); ++i) {
        const QString& file = plain[i].file;
        EXPECT_EQ(dense[i].file, file);
        EXPECT_EQ(dense[i].image.size(), plain[i].image.size() * 2) << file.toStdString();
        EXPECT_EQ(dense[i].image.devicePixelRatio(), 2.0) << file.toStdString();
        // Halved again, the dense picture is the plain one, up to antialiasing.
        const QImage halved = dense[i].image.scaled(plain[i].image.size(), Qt::IgnoreAspectRatio,
                                                    Qt::SmoothTransformation);
        double difference = 0;
        for (int y = 0; y < halved.height(); ++y)
            for (int x = 0; x < halved.width(); ++x)
                difference +=
                    std::abs(qGray(halved.pixel(x, y)) - qGray(plain[i].image.pixel(x, y)));
        EXPECT_LT(difference / (halved.width() * halved.height()), 12) << file.toStdString();
    }
}

} // namespace
