#include "platform/forms/formlabel.h"
#include "quiz/feedbackwindows.h"
#include "quiz/progressdisplay.h"
#include "quiz/testpictures.h"
#include "quiz/testsession.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>

namespace {

TEST(ProgressStrip, SlotsShareTheStripWithHalvesToEven) {
    EXPECT_EQ(slotSpan(0, 10, 500).first, 0);
    EXPECT_EQ(slotSpan(0, 10, 500).last, 49);
    EXPECT_EQ(slotSpan(9, 10, 500).first, 450);
    EXPECT_EQ(slotSpan(9, 10, 500).last, 499);
    EXPECT_EQ(slotSpan(1, 4, 10).first, 2) << "2.5 rounds to 2";
    EXPECT_EQ(slotSpan(2, 4, 10).last, 6) << "6.5 rounds to 6";
}

TEST(ProgressStrip, ReleasesPickTheQuestionUnderThem) {
    const struct {
        int y;
        int question;
    } cases[] = {{0, 1}, {49, 1}, {50, 2}, {51, 2}, {499, 10}, {500, 10}, {-30, 1}, {900, 10}};
    for (const auto& c : cases)
        EXPECT_EQ(questionAtHeight(c.y, 500, 10), c.question) << c.y;
    EXPECT_EQ(questionAtHeight(10, 0, 10), 1) << "an empty strip never divides by zero";
}

TEST(ProgressStrip, TheFaceSitsOnTheCurrentSlot) {
    EXPECT_EQ(facePosition({130, 502}, {32, 32}, 1, 10), QPoint(49, 9));
    EXPECT_EQ(facePosition({130, 500}, {32, 32}, 10, 10), QPoint(49, 459));
}

TEST(ProgressStrip, SlotsAreColouredByStatus) {
    TestSession session;
    session.nbQuestions = 3;
    session.etats[2] = 1;
    session.etats[3] = 2;
    ProgressStrip strip(session);
    strip.resize(130, 300);
    bool answersShown = false;
    QObject::connect(&strip, &ProgressStrip::answersShown, [&] { answersShown = true; });
    QImage image(strip.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    strip.render(&image);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(255, 205, 150)) << "highlight of an unanswered slot";
    EXPECT_EQ(image.pixelColor(129, 99), QColor(128, 128, 128)) << "its shadow";
    EXPECT_EQ(image.pixelColor(3, 3), QColor(255, 175, 100));
    EXPECT_EQ(image.pixelColor(3, 103), QColor(0, 220, 180)) << "a right answer";
    EXPECT_EQ(image.pixelColor(3, 203), QColor(255, 50, 50)) << "a wrong answer";
    EXPECT_TRUE(answersShown);
}

TEST(ProgressStrip, AStripWithoutQuestionsPaintsNothing) {
    TestSession session;
    ProgressStrip strip(session);
    strip.resize(50, 50);
    QImage image(strip.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    strip.render(&image);
    EXPECT_NE(image.pixelColor(10, 10), QColor(255, 175, 100));
}

TEST(TestBackground, YellowBandsFadeIntoWhite) {
    QImage image(100, 300, QImage::Format_RGB32);
    QPainter painter(&image);
    paintTestBackground(painter, image.size());
    painter.end();
    const struct {
        int y;
        QColor colour;
    } cases[] = {{10, Qt::white},
                 {40, QColor(255, 255, 195)},
                 {70, QColor(255, 255, 225)},
                 {100, QColor(255, 255, 255)},
                 {150, Qt::white},
                 {270, QColor(255, 255, 255)},
                 {299, QColor(255, 255, 197)}};
    for (const auto& c : cases)
        EXPECT_EQ(image.pixelColor(50, c.y), c.colour) << c.y;
}

TEST(TestPictures, SevenDistinctFaces) {
    for (int k = 1; k < 7; ++k)
        EXPECT_NE(testpictures::face(k, 1).toImage(), testpictures::face(k + 1, 1).toImage()) << k;
}

namespace {

// How much two pictures of the same size differ, on average over their pixels and
// channels (0 to 255).
double meanDifference(const QImage& a, const QImage& b) {
    double total = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            total += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
                     std::abs(p.blue() - q.blue()) + std::abs(p.alpha() - q.alpha());
        }
    return total / (4.0 * a.width() * a.height());
}

} // namespace

TEST(TestPictures, AreDrawnAtTheRatioAskedWithTheSameLayout) {
    using namespace testpictures;
    const struct {
        const char* name;
        std::function<QPixmap(qreal)> draw;
    } pictures[] = {
        {"face", [](qreal r) { return face(7, r); }},
        {"previousArrow", previousArrow},
        {"nextArrow", nextArrow},
        {"validate", validate},
        {"closeTest", closeTest},
        {"calculator", calculator},
        {"wrongMark", wrongMark},
        {"missedMark", missedMark},
        {"pointer", pointer},
        {"rightFrame", [](qreal r) { return rightFrame(2, r); }},
        {"wrongPicture", wrongPicture},
    };
    for (const auto& picture : pictures) {
        const QPixmap plain = picture.draw(1);
        const QPixmap dense = picture.draw(2);
        EXPECT_EQ(plain.size(), QSize(32, 32)) << picture.name;
        EXPECT_EQ(dense.size(), QSize(64, 64)) << picture.name;
        EXPECT_EQ(dense.devicePixelRatio(), 2.0) << picture.name;
        // Halved again, the dense picture is the plain one but for antialiasing.
        const QImage halved =
            dense.toImage().scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(meanDifference(halved, plain.toImage().convertToFormat(halved.format())), 8)
            << picture.name;
    }
}

TEST(Cjuste, AlternatesItsFramesAndClosesOnTheThirdTick) {
    QLabel face;
    face.show();
    Cjuste window(face);
    window.show();
    EXPECT_TRUE(face.isHidden());
    EXPECT_TRUE(window.Timer1->isActive());
    EXPECT_EQ(window.Timer1->interval(), 500);
    const QImage first = window.Image1->pixmap().toImage();
    const QImage second = window.Image2->pixmap().toImage();
    EXPECT_EQ(window.Image3->pixmap().toImage(), first);
    QMetaObject::invokeMethod(window.Timer1, "timeout");
    EXPECT_EQ(window.Image3->pixmap().toImage(), second);
    QMetaObject::invokeMethod(window.Timer1, "timeout");
    EXPECT_EQ(window.Image3->pixmap().toImage(), first);
    EXPECT_TRUE(window.isVisible());
    QMetaObject::invokeMethod(window.Timer1, "timeout");
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(face.isHidden());
    EXPECT_EQ(window.Label3->text(), "Réponse exacte");
}

TEST(Cfaux, HandsBackThePupilsChoice) {
    QLabel face;
    face.show();
    qint16 voirCours = 1;
    {
        Cfaux window(face, voirCours);
        EXPECT_EQ(voirCours, 0) << "cleared before the window opens";
        EXPECT_TRUE(face.isHidden());
        window.show();
        window.Command9->click();
        EXPECT_EQ(voirCours, 1);
        EXPECT_FALSE(face.isHidden());
    }
    Cfaux window(face, voirCours);
    window.show();
    window.Command1->click();
    EXPECT_EQ(voirCours, 0);
    EXPECT_EQ(window.Command1->text(), "Poursuivre le test sans voir le cours");
    EXPECT_EQ(window.Label1->text(), "Réponse fausse");
}

} // namespace
