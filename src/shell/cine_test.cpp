#include "platform/forms/formlabel.h"
#include "shell/cine.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Cine, TakesThePictureAndAFivePixelMargin) {
    QTemporaryDir dir;
    QImage cover(100, 50, QImage::Format_RGB32);
    cover.fill(Qt::blue);
    ASSERT_TRUE(cover.save(dir.filePath("CDCOUV.BMP"), "BMP"));
    Cine cine(dir.path() + "/");
    EXPECT_EQ(cine.size(), QSize(110, 60));
    EXPECT_EQ(cine.Image1->pos(), QPoint(5, 5));

    const QImage shown = cine.grab().toImage();
    EXPECT_EQ(shown.pixelColor(50, 0), QColor(255, 255, 255));
    EXPECT_EQ(shown.pixelColor(50, 4), QColor(215, 215, 215));
    EXPECT_EQ(shown.pixelColor(0, 30), QColor(255, 255, 255));
    EXPECT_EQ(shown.pixelColor(50, 59), QColor(150, 150, 150));
    EXPECT_EQ(shown.pixelColor(109, 30), QColor(150, 150, 150));
    EXPECT_EQ(shown.pixelColor(105, 30), QColor(190, 190, 190));
    EXPECT_EQ(shown.pixelColor(50, 30), QColor(Qt::blue));
}

TEST(Cine, WithoutItsPictureKeepsItsSizeAndFrame) {
    QTemporaryDir dir;
    Cine cine(dir.path() + "/");
    EXPECT_EQ(cine.size(), cine.Image1->size() + QSize(10, 10));
    EXPECT_EQ(cine.grab().toImage().pixelColor(0, 0), QColor(255, 255, 255));
}

// Also run on a screen scaled 2× (QT_SCALE_FACTOR=2), where the cover's dense sibling
// is shown in the same window size.
TEST(CineAtTheScreensRatio, ShowsTheCoverDrawnForItsScreen) {
    QTemporaryDir dir;
    QImage cover(100, 50, QImage::Format_RGB32);
    cover.fill(Qt::blue);
    ASSERT_TRUE(cover.save(dir.filePath("CDCOUV.BMP"), "BMP"));
    QImage dense(200, 100, QImage::Format_RGB32);
    dense.fill(Qt::red);
    ASSERT_TRUE(dense.save(dir.filePath("CDCOUV@2x.BMP"), "BMP"));
    Cine cine(dir.path() + "/");
    const qreal ratio = cine.devicePixelRatioF();
    EXPECT_EQ(cine.size(), QSize(110, 60));
    EXPECT_EQ(cine.Image1->pixmap().devicePixelRatio(), ratio);
    EXPECT_EQ(cine.Image1->pixmap().toImage().pixelColor(0, 0),
              ratio > 1 ? QColor(Qt::red) : QColor(Qt::blue));
}
