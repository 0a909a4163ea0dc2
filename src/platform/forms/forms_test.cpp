#include "platform/forms/controlarray.h"
#include "platform/forms/densepictures.h"
#include "platform/forms/formlabel.h"
#include "platform/forms/picturebox.h"
#include "platform/forms/twips.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void key(QWidget& widget, int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
         bool repeat = false) {
    QKeyEvent event(QEvent::KeyPress, code, modifiers, QString(), repeat);
    QApplication::sendEvent(&widget, &event);
}

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

TEST(FormLabel, ALinkReleasesAndClicksOnEnterOrSpaceOnly) {
    struct Case {
        const char* what;
        int code;
        Qt::KeyboardModifiers modifiers;
        bool repeat;
        int activations;
    };
    const Case cases[] = {
        {"Return", Qt::Key_Return, Qt::NoModifier, false, 1},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, false, 1},
        {"Space", Qt::Key_Space, Qt::NoModifier, false, 1},
        {"a held Space", Qt::Key_Space, Qt::NoModifier, true, 0},
        {"Ctrl+Return", Qt::Key_Return, Qt::ControlModifier, false, 0},
        {"a letter", Qt::Key_A, Qt::NoModifier, false, 0},
    };
    for (const Case& c : cases) {
        FormLabel link;
        link.resize(100, 20);
        link.makeLink();
        int clicks = 0;
        QList<QPoint> releases;
        QObject::connect(&link, &FormLabel::clicked, [&] { ++clicks; });
        QObject::connect(&link, &FormLabel::mouseReleased, [&](Qt::MouseButton button, QPoint at) {
            EXPECT_EQ(button, Qt::LeftButton);
            releases.append(at);
        });
        key(link, c.code, c.modifiers, c.repeat);
        EXPECT_EQ(clicks, c.activations) << c.what;
        ASSERT_EQ(releases.size(), c.activations) << c.what;
        if (c.activations) {
            EXPECT_TRUE(link.rect().contains(releases.first())) << c.what;
        }
    }
    FormLabel plain; // a label nobody clicks keeps away from the keyboard
    int clicks = 0;
    QObject::connect(&plain, &FormLabel::clicked, [&] { ++clicks; });
    key(plain, Qt::Key_Return);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(plain.focusPolicy(), Qt::NoFocus);
}

TEST(FormLabel, AClickLeavesTheFocusWhereItWas) {
    QWidget window;
    QLineEdit other(&window);
    FormLabel link(&window);
    link.setGeometry(0, 30, 100, 20);
    link.makeLink();
    window.show();
    window.activateWindow();
    QApplication::processEvents();
    other.setFocus();
    mouse(link, QEvent::MouseButtonPress, {10, 10});
    mouse(link, QEvent::MouseButtonRelease, {10, 10});
    EXPECT_TRUE(other.hasFocus());
}

TEST(FormLabel, ALinkIsAnnouncedByItsCaptionElseItsTooltipAndPressedLikeAClick) {
    struct Case {
        QString caption;
        QString tooltip;
        QString spoken;
    };
    const Case cases[] = {
        {QStringLiteral("&Chimie"), QStringLiteral("Sommaire de chimie"), QStringLiteral("Chimie")},
        {QStringLiteral("Sel && sucre"), QString(), QStringLiteral("Sel & sucre")},
        {QString(), QStringLiteral("Fermer le test"), QStringLiteral("Fermer le test")},
    };
    for (const Case& c : cases) {
        FormLabel link;
        link.setText(c.caption);
        link.setToolTip(c.tooltip);
        link.makeLink();
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(&link);
        ASSERT_NE(spoken, nullptr);
        EXPECT_EQ(spoken->role(), QAccessible::Link);
        EXPECT_EQ(spoken->text(QAccessible::Name), c.spoken);
        EXPECT_TRUE(spoken->state().focusable);
        int clicks = 0;
        QObject::connect(&link, &FormLabel::clicked, [&] { ++clicks; });
        spoken->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(clicks, 1);
    }
}

TEST(FormLabel, AFocusedLinkShowsAMark) {
    QWidget window;
    window.resize(200, 60);
    FormLabel link(&window);
    link.setText(QStringLiteral("Tester vos connaissances"));
    link.setGeometry(10, 10, 180, 30);
    link.makeLink();
    QLineEdit other(&window);
    other.move(10, 40);
    window.show();
    window.activateWindow();
    QApplication::processEvents();
    other.setFocus();
    const QImage unfocused = link.grab().toImage();
    link.setFocus();
    ASSERT_TRUE(link.hasFocus());
    EXPECT_NE(link.grab().toImage(), unfocused);
    other.setFocus();
    EXPECT_EQ(link.grab().toImage(), unfocused);
}

TEST(FormLabel, LinksCutOffByTheirFrameLeaveTheTabOrderUntilItGrows) {
    QWidget frame;
    frame.resize(100, 30);
    FormLabel shown(&frame);
    shown.setGeometry(0, 0, 100, 20);
    shown.makeLink();
    FormLabel cut(&frame);
    cut.setGeometry(0, 25, 100, 20);
    cut.makeLink();
    reachOnlyShownLinks(frame);
    frame.show();
    EXPECT_EQ(shown.focusPolicy(), Qt::TabFocus);
    EXPECT_EQ(cut.focusPolicy(), Qt::NoFocus);
    frame.resize(100, 60);
    EXPECT_EQ(cut.focusPolicy(), Qt::TabFocus);
    frame.resize(100, 30);
    EXPECT_EQ(cut.focusPolicy(), Qt::NoFocus);
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

TEST(PictureBox, FillsBoxesOnASurfaceAsLargeAsTheBox) {
    PictureBox box;
    box.resize(50, 10);
    box.clear();
    box.fillBox({0, 3, 50, 1}, QColor(1, 2, 3));
    EXPECT_EQ(box.surface().size(), QSize(50, 10));
    EXPECT_EQ(box.surface().pixelColor(49, 3), QColor(1, 2, 3));
    EXPECT_NE(box.surface().pixelColor(49, 4), QColor(1, 2, 3));
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
    box.fillBox({0, 3, 50, 1}, QColor(1, 2, 3));
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
