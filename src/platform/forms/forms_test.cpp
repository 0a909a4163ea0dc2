#include "platform/forms/controlarray.h"
#include "platform/forms/densepictures.h"
#include "platform/forms/formlabel.h"
#include "platform/forms/picturebox.h"
#include "platform/forms/twips.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void mouse(QWidget& widget, QEvent::Type type, QPoint at) {
    QMouseEvent event(type, at, widget.mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

void savePicture(const QString& path, QSize size, const QColor& colour) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    ASSERT_TRUE(picture.save(path, "PNG"));
}

} // namespace

TEST(DensePictures, ReadTheDenserSiblingOnlyWhenTheScreenIsDense) {
    QTemporaryDir dir;
    savePicture(dir.filePath("p.png"), {40, 30}, Qt::red);
    savePicture(dir.filePath("p@2x.png"), {80, 60}, Qt::blue);
    savePicture(dir.filePath("alone.jpg"), {40, 30}, Qt::red);
    savePicture(dir.filePath("SUFFIXLESS"), {40, 30}, Qt::red);
    savePicture(dir.filePath("SUFFIXLESS@2x"), {80, 60}, Qt::blue);
    QFile broken(dir.filePath("broken@2x.png"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    savePicture(dir.filePath("broken.png"), {40, 30}, Qt::red);

    const struct {
        const char* file;
        qreal ratio;
        qreal expectedRatio;
        QColor expectedColour;
    } cases[] = {
        {"p.png", 1, 1, Qt::red},     {"p.png", 2, 2, Qt::blue},      {"p.png", 1.5, 2, Qt::blue},
        {"alone.jpg", 2, 1, Qt::red}, {"SUFFIXLESS", 2, 2, Qt::blue}, {"broken.png", 2, 1, Qt::red},
    };
    for (const auto& c : cases) {
        const QImage picture = readPicture(dir.filePath(c.file), c.ratio);
        EXPECT_EQ(picture.devicePixelRatio(), c.expectedRatio) << c.file << ' ' << c.ratio;
        EXPECT_EQ(shownSize(picture), QSize(40, 30)) << c.file << ' ' << c.ratio;
        EXPECT_EQ(picture.pixelColor(0, 0), c.expectedColour) << c.file << ' ' << c.ratio;
    }
    EXPECT_TRUE(readPicture(dir.filePath("missing.png"), 2).isNull());
}

TEST(DensePictures, ABlankPictureHasTheRatioAskedAndAsManyDevicePixels) {
    const QPixmap picture = blankPicture({32, 20}, 2);
    EXPECT_EQ(picture.devicePixelRatio(), 2.0);
    EXPECT_EQ(picture.size(), QSize(64, 40));
    EXPECT_EQ(shownSize(picture), QSize(32, 20));
    EXPECT_EQ(picture.toImage().pixelColor(63, 39).alpha(), 0);
}

TEST(FormLabel, TakesTheShownSizeOfADensePicture) {
    FormLabel label;
    label.setPicture(blankPicture({32, 20}, 2));
    EXPECT_EQ(label.size(), QSize(32, 20));
}

TEST(FormLabel, ReportsAClickOnlyWhenReleasedOverIt) {
    FormLabel label;
    label.resize(100, 20);
    int clicks = 0;
    QList<QPoint> releases;
    QObject::connect(&label, &FormLabel::clicked, [&] { ++clicks; });
    QObject::connect(&label, &FormLabel::mouseReleased,
                     [&](Qt::MouseButton, QPoint at) { releases.append(at); });
    mouse(label, QEvent::MouseButtonPress, {10, 10});
    mouse(label, QEvent::MouseButtonRelease, {10, 10});
    mouse(label, QEvent::MouseButtonPress, {10, 10});
    mouse(label, QEvent::MouseButtonRelease, {10, -5});
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(releases, (QList<QPoint>{{10, 10}, {10, -5}}));
}

TEST(PictureBox, TakesTheSizeOfItsPictureAndKeepsItWhenAFileIsUnreadable) {
    QTemporaryDir dir;
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(dir.filePath("p.png")));

    PictureBox box;
    box.setBorderSingle(true);
    ASSERT_TRUE(box.loadPicture(dir.filePath("p.png")));
    EXPECT_EQ(box.size(), QSize(42, 32));
    EXPECT_FALSE(box.loadPicture(dir.filePath("missing.jpg")));
    EXPECT_EQ(box.surface().pixelColor(0, 0), QColor(Qt::red));
    box.setBorderSingle(false);
    EXPECT_EQ(box.size(), QSize(40, 30));
}

TEST(PictureBox, TellsOfEachPictureItReadsAndOfNoFailedRead) {
    QTemporaryDir dir;
    savePicture(dir.filePath("p.png"), {40, 30}, Qt::red);
    PictureBox box;
    int changes = 0;
    QObject::connect(&box, &PictureBox::pictureChanged, [&changes] { ++changes; });
    ASSERT_TRUE(box.loadPicture(dir.filePath("p.png")));
    EXPECT_FALSE(box.loadPicture(dir.filePath("missing.jpg")));
    ASSERT_TRUE(box.loadPicture(dir.filePath("p.png")));
    EXPECT_EQ(changes, 2);
}

TEST(PictureBox, DrawsLinesOnASurfaceAsLargeAsTheBox) {
    PictureBox box;
    box.resize(50, 10);
    box.clear();
    box.drawLine({0, 3}, {50, 3}, QColor(1, 2, 3));
    EXPECT_EQ(box.surface().size(), QSize(50, 10));
    EXPECT_EQ(box.surface().pixelColor(49, 3), QColor(1, 2, 3));
}

// Also run on a screen scaled 2× (QT_SCALE_FACTOR=2), where the box shows the dense
// sibling and draws on a surface of twice as many pixels, in the same geometry.
TEST(PictureBoxAtTheScreensRatio, ShowsThePictureForItsScreenAndDrawsSharp) {
    QTemporaryDir dir;
    savePicture(dir.filePath("p.png"), {40, 30}, Qt::red);
    savePicture(dir.filePath("p@2x.png"), {80, 60}, Qt::blue);
    PictureBox box;
    const qreal ratio = box.devicePixelRatioF();
    ASSERT_TRUE(box.loadPicture(dir.filePath("p.png")));
    EXPECT_EQ(box.size(), QSize(40, 30));
    EXPECT_EQ(box.surface().devicePixelRatio(), ratio);
    EXPECT_EQ(box.surface().pixelColor(0, 0), ratio > 1 ? QColor(Qt::blue) : QColor(Qt::red));

    box.clearPicture();
    box.resize(50, 10);
    box.clear();
    box.drawLine({0, 3}, {50, 3}, QColor(1, 2, 3));
    EXPECT_EQ(box.surface().size(), QSize(50, 10) * ratio);
    EXPECT_EQ(box.surface().devicePixelRatio(), ratio);
    EXPECT_EQ(box.surface().pixelColor(int(49 * ratio), int(3 * ratio)), QColor(1, 2, 3));
}

TEST(TwipsScale, KeepsTheDesignNumbersExactWhatEverThePixelRounding) {
    const TwipsScale scale(15, 15);
    QWidget widget;
    scale.place(widget, {100, 1687, 300, 255});
    EXPECT_EQ(widget.geometry(), QRect(7, 112, 20, 17));
    scale.setTop(widget, 1707);
    EXPECT_EQ(scale.rect(widget), QRect(100, 1707, 300, 255));
    EXPECT_EQ(widget.y(), 114);
}

TEST(ControlArray, GivesNullForAnIndexWithoutControl) {
    QWidget a;
    QWidget b;
    ControlArray<QWidget> array;
    array.add(8, &b);
    array.add(1, &a);
    EXPECT_EQ(array(1), &a);
    EXPECT_EQ(array(7), nullptr);
    EXPECT_EQ(array.indexes(), (std::vector<int>{1, 8}));
}
