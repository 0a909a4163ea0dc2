#include "platform/forms/controlarray.h"
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

} // namespace

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

TEST(PictureBox, DrawsLinesOnASurfaceAsLargeAsTheBox) {
    PictureBox box;
    box.resize(50, 10);
    box.clear();
    box.drawLine({0, 3}, {50, 3}, QColor(1, 2, 3));
    EXPECT_EQ(box.surface().size(), QSize(50, 10));
    EXPECT_EQ(box.surface().pixelColor(49, 3), QColor(1, 2, 3));
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
