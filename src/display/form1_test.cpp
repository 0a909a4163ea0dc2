#include "display/form1.h"
#include "display/form1pictures.h"
#include "platform/testing/fakedisplaymodes.h"
#include "platform/testing/fakeplatform.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace {

constexpr quint32 sizeAndDepth =
    DisplayModes::bitsPerPixelField | DisplayModes::widthField | DisplayModes::heightField;

struct ScreenSetting {
    int width;
    int height;
    double twipsPerPixel;
    int depth;
};

void pressAndRelease(QWidget* widget) {
    const QPointF centre(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, centre, widget->mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, widget->mapToGlobal(centre),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

class Form1Test : public ::testing::Test {
protected:
    void setScreen(const ScreenSetting& setting) {
        fake.screen.setPixels(setting.width, setting.height);
        fake.screen.twipsX = setting.twipsPerPixel;
        fake.screen.twipsY = setting.twipsPerPixel;
        fake.screen.depth = setting.depth;
    }

    // A display that needs the window: 1024 × 768 at 32 bits, small fonts.
    std::unique_ptr<Form1> openWindow() {
        std::unique_ptr<Form1> form;
        EXPECT_NO_THROW(form = std::make_unique<Form1>(platform, modes));
        if (form)
            form->show();
        return form;
    }

    QString text(QWidget& form, const char* name) {
        const auto* label = form.findChild<QLabel*>(QString::fromLatin1(name));
        EXPECT_NE(label, nullptr) << name;
        return label ? label->text() : QString();
    }

    QWidget* control(QWidget& form, const char* name) {
        auto* found = form.findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QStringList startedPrograms() const {
        QStringList programs;
        for (const FakeProcesses::Start& start : fake.processes.started)
            programs.append(start.program);
        return programs;
    }

    FakePlatform fake;
    Platform platform = fake.platform();
    FakeDisplayModes modes;
    const QString galvane = fake.appPath("GALVANE.EXE");
    const QString dispotune = fake.appPath("dispotune.exe");
};

TEST(Form1Pictures, AreDrawnAtTheRatioAsked) {
    for (QPixmap (*draw)(qreal) : {applyPicture, settingsPicture, closePicture}) {
        EXPECT_EQ(draw(1).size(), QSize(32, 32));
        const QPixmap dense = draw(2);
        EXPECT_EQ(dense.size(), QSize(64, 64));
        EXPECT_EQ(dense.devicePixelRatio(), 2.0);
        // Drawn over the whole picture, not in its top left quarter only.
        const QImage image = dense.toImage();
        EXPECT_GT(qAlpha(image.pixel(48, 48)) + qAlpha(image.pixel(40, 40)), 0);
    }
}

TEST_F(Form1Test, SuitableDisplayStartsTheNavigatorWithoutAWindow) {
    for (const ScreenSetting setting : {ScreenSetting{700, 600, 15, 32},
                                        {900, 600, 15, 32},
                                        {800, 600, 15, 16},
                                        {800, 600, 15, 24}}) {
        FakePlatform scripted;
        Platform scriptedPlatform = scripted.platform();
        scripted.screen.setPixels(setting.width, setting.height);
        scripted.screen.depth = setting.depth;
        EXPECT_THROW(Form1(scriptedPlatform, modes), ProgramEnded) << setting.width;
        ASSERT_EQ(scripted.processes.started.size(), 1);
        EXPECT_EQ(scripted.processes.started[0].program, scripted.appPath("GALVANE.EXE"));
        EXPECT_EQ(scripted.processes.started[0].style, Processes::WindowStyle::NormalFocus);
        EXPECT_TRUE(scripted.messages.shown.isEmpty());
    }
}

TEST_F(Form1Test, UnsuitableDisplayShowsItsCurrentConfiguration) {
    const QString smallFonts = "Paramètre avancé: petites polices";
    const QString largeFonts = "TAILLE DE LA POLICE INADAPTEE";
    const struct {
        ScreenSetting screen;
        QString expected;
    } cases[] = {
        {{901, 600, 15, 32},
         "Résolution: 901 x 600 pixels.\r\nCouleurs: 32 bits.\r\n" + smallFonts},
        {{699, 600, 15, 32},
         "Résolution: 699 x 600 pixels.\r\nCouleurs: 32 bits.\r\n" + smallFonts},
        {{1024, 768, 15, 32},
         "Résolution: 1024 x 768 pixels.\r\nCouleurs: 32 bits.\r\n" + smallFonts},
        {{800, 600, 15, 8}, "Résolution: 800 x 600 pixels.\r\nCouleurs: 8 bits.\r\n" + smallFonts},
        {{800, 600, 15, 15},
         "Résolution: 800 x 600 pixels.\r\nCouleurs: 15 bits.\r\n" + smallFonts},
        {{1024, 768, 12, 32},
         "Résolution: 1024 x 768 pixels.\r\nCouleurs: 32 bits.\r\n" + largeFonts},
        // 11600 twips over 14.5 rounded to 14 (half to even): 828.57 truncated.
        {{800, 600, 14.5, 32},
         "Résolution: 828 x 621 pixels.\r\nCouleurs: 32 bits.\r\n" + largeFonts},
        // Twips per pixel rounding to 0 divide by 15 instead.
        {{2000, 1500, 0.4, 32},
         "Résolution: 53 x 40 pixels.\r\nCouleurs: 32 bits.\r\n" + largeFonts},
    };
    for (const auto& testCase : cases) {
        FakePlatform scripted;
        Platform scriptedPlatform = scripted.platform();
        scripted.screen.setPixels(testCase.screen.width, testCase.screen.height);
        scripted.screen.twipsX = testCase.screen.twipsPerPixel;
        scripted.screen.twipsY = testCase.screen.twipsPerPixel;
        scripted.screen.depth = testCase.screen.depth;
        std::unique_ptr<Form1> form;
        ASSERT_NO_THROW(form = std::make_unique<Form1>(scriptedPlatform, modes))
            << testCase.expected.toStdString();
        EXPECT_EQ(text(*form, "Label5"), testCase.expected);
        EXPECT_EQ(text(*form, "Label9"), testCase.expected);
        EXPECT_TRUE(scripted.processes.started.isEmpty());
    }
}

TEST_F(Form1Test, ShowsEveryTextOfItsDesign) {
    setScreen({1024, 768, 15, 32});
    modes.list = {{32, 800, 600, 0}};
    auto form = openWindow();
    ASSERT_TRUE(form);
    EXPECT_EQ(form->objectName(), "Form1");
    EXPECT_EQ(form->windowTitle(), "Résolution écran");
    EXPECT_TRUE(form->isVisible());

    const QString intro = "Pour exécuter Galvane dans les meilleures conditions, vous devez "
                          "paramétrer l'affichage de votre ordinateur:";
    const QString requirements =
        "Résolution: 800 x 600 pixels (pas d'exécution si inférieure).\r\n"
        "Couleurs vraies: 24 ou 32 bits (16 bits au minimum).\r\nParamètre avancé: petites polices";
    const QString current = "La configuration actuelle de l'affichage sur cet ordinateur est:";
    const QString best = "La configuration la mieux adaptée pour cet ordinateur est:";
    const QString recommended = "Résolution 800 x 600 pixels avec couleurs 32 bits.";
    const struct {
        const char* master;
        const char* shadow;
        QString caption;
        int offset;
    } pairs[] = {
        {"Label2", "Label3", intro, 2},
        {"Label4", "ombre5", requirements, 2},
        {"Label1", "Label6", current, 2},
        {"Label5", "Label9", text(*form, "Label5"), -2},
        {"Label12", "Label13", best, 2},
        {"Labelcons", "Labelcons2", recommended, 2},
        {"Label7", "Label8", "Que décidez-vous?", 2},
    };
    for (const auto& pair : pairs) {
        QWidget* master = control(*form, pair.master);
        QWidget* shadow = control(*form, pair.shadow);
        ASSERT_TRUE(master && shadow);
        EXPECT_EQ(text(*form, pair.master), pair.caption) << pair.master;
        EXPECT_EQ(text(*form, pair.shadow), pair.caption) << pair.shadow;
        EXPECT_EQ(shadow->pos(), master->pos() + QPoint(pair.offset, pair.offset)) << pair.shadow;
        EXPECT_EQ(master->font().family(), "MS Sans Serif") << pair.master;
    }
    EXPECT_EQ(control(*form, "Label3")->size(), control(*form, "Label2")->size());

    EXPECT_EQ(text(*form, "Labelconseil"), "Adopter la configuration conseillée.");
    EXPECT_EQ(text(*form, "Label10"), "Afficher le panneau de configuration d'affichage Windows "
                                      "pour ajuster les paramètres.");
    EXPECT_EQ(text(*form, "Label11"), "Fermer cette page.");
    EXPECT_EQ(form->findChild<QPushButton*>("Command1")->text(), "Actualiser");
    for (const char* image : {"Image1", "Image2", "Image3"}) {
        const auto* label = form->findChild<QLabel*>(image);
        ASSERT_NE(label, nullptr) << image;
        EXPECT_FALSE(label->pixmap().isNull()) << image;
        EXPECT_GT(label->width(), 0) << image;
    }
}

TEST_F(Form1Test, RecommendsTheDeepest800By600Mode) {
    setScreen({800, 600, 15, 8});
    modes.list = {{32, 1024, 768, 0},
                  {16, 800, 600, 0},
                  {32, 800, 600, 0},
                  {24, 800, 600, 0},
                  {32, 640, 480, 0}};
    auto form = openWindow();
    ASSERT_TRUE(form);
    EXPECT_EQ(text(*form, "Labelcons"), "Résolution 800 x 600 pixels avec couleurs 32 bits.");
    EXPECT_NE(control(*form, "Labelconseil")->palette().color(QPalette::WindowText),
              QColor(192, 192, 192));

    EXPECT_THROW(pressAndRelease(control(*form, "Image1")), ProgramEnded);
    ASSERT_EQ(modes.changes.size(), 1);
    EXPECT_EQ(modes.changes[0], (DisplayMode{32, 800, 600, sizeAndDepth}));
}

TEST_F(Form1Test, NoRecommendationHidesTheApplyPicture) {
    setScreen({1024, 768, 15, 32});
    for (const QList<DisplayMode>& list :
         {QList<DisplayMode>{}, QList<DisplayMode>{{32, 1024, 768, 0}, {32, 800, 480, 0}},
          // What a confused display may report: no depth, a negative one, no size.
          QList<DisplayMode>{
              {0, 800, 600, 0}, {-16, 800, 600, 0}, {32, 0, 0, 0}, {32, -800, -600, 0}}}) {
        modes.list = list;
        auto form = openWindow();
        ASSERT_TRUE(form);
        EXPECT_EQ(text(*form, "Labelcons"), "Pas de configuration conseillée");
        EXPECT_EQ(text(*form, "Labelcons2"), "Pas de configuration conseillée");
        EXPECT_EQ(control(*form, "Image1")->width(), 0);
        EXPECT_EQ(control(*form, "Labelconseil")->palette().color(QPalette::WindowText),
                  QColor(192, 192, 192));
        pressAndRelease(control(*form, "Image1"));
        EXPECT_TRUE(modes.changes.isEmpty());
        EXPECT_TRUE(fake.processes.started.isEmpty());
    }
}

TEST_F(Form1Test, EveryResultOfTheModeChangeEndsInARecheck) {
    const QString error = "Erreur lors du changement de resolution: ";
    const QString restart = "Cette modification ne sera effective qu'après le redémarrage de "
                            "WINDOWS.  Redémarrer maintenant?";
    const struct {
        int result;
        std::optional<Messages::Answer> answer;
        QString message;
        Messages::Buttons buttons;
        int restarts;
    } cases[] = {
        {DisplayModes::changed, {}, {}, Messages::Buttons::Ok, 0},
        {DisplayModes::restartNeeded, Messages::Answer::Yes, restart, Messages::Buttons::YesNo, 1},
        {DisplayModes::restartNeeded, Messages::Answer::No, restart, Messages::Buttons::YesNo, 0},
        {DisplayModes::failed, Messages::Answer::Ok, error + "-1", Messages::Buttons::Ok, 0},
        {DisplayModes::badMode, Messages::Answer::Ok, error + "-2", Messages::Buttons::Ok, 0},
        {-5, Messages::Answer::Ok, error + "-5", Messages::Buttons::Ok, 0},
    };
    for (const auto& testCase : cases) {
        FakePlatform scripted;
        Platform scriptedPlatform = scripted.platform();
        scripted.screen.setPixels(1024, 768);
        FakeDisplayModes scriptedModes;
        scriptedModes.list = {{24, 800, 600, 0}};
        scriptedModes.changeResult = testCase.result;
        if (testCase.answer)
            scripted.messages.answerNext(*testCase.answer);
        Form1 form(scriptedPlatform, scriptedModes);
        form.show();

        EXPECT_THROW(pressAndRelease(control(form, "Image1")), ProgramEnded) << testCase.result;
        EXPECT_EQ(scriptedModes.changes, (QList<DisplayMode>{{24, 800, 600, sizeAndDepth}}));
        if (testCase.message.isEmpty()) {
            EXPECT_TRUE(scripted.messages.shown.isEmpty());
        } else {
            ASSERT_EQ(scripted.messages.shown.size(), 1) << testCase.result;
            const FakeMessages::Box& box = scripted.messages.shown[0];
            EXPECT_EQ(box.title, "Dispotune");
            EXPECT_EQ(box.text, testCase.message);
            EXPECT_EQ(box.buttons, testCase.buttons);
            EXPECT_EQ(box.icon, Messages::Icon::None);
        }
        EXPECT_EQ(scriptedModes.restarts, testCase.restarts) << testCase.result;
        ASSERT_EQ(scripted.processes.started.size(), 1);
        EXPECT_EQ(scripted.processes.started[0].program, scripted.appPath("dispotune.exe"));
    }
}

TEST_F(Form1Test, SettingsPictureOpensTheDisplaySettingsAndStays) {
    setScreen({1024, 768, 15, 32});
    auto form = openWindow();
    ASSERT_TRUE(form);
    EXPECT_NO_THROW(pressAndRelease(control(*form, "Image3")));
    ASSERT_EQ(fake.processes.started.size(), 1);
    EXPECT_EQ(fake.processes.started[0].program, "gnome-control-center");
    EXPECT_EQ(fake.processes.started[0].style, Processes::WindowStyle::MinimisedFocus);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(Form1Test, ClosingInAnyWayStartsTheNavigatorAndEnds) {
    setScreen({1024, 768, 15, 32});
    {
        auto form = openWindow();
        EXPECT_THROW(pressAndRelease(control(*form, "Image2")), ProgramEnded);
    }
    {
        auto form = openWindow();
        EXPECT_THROW(form->close(), ProgramEnded);
    }
    // A navigator that cannot be started still lets the program end.
    fake.processes.failing = {galvane};
    {
        auto form = openWindow();
        EXPECT_THROW(form->close(), ProgramEnded);
    }
    EXPECT_EQ(startedPrograms(), (QStringList{galvane, galvane, galvane}));
}

TEST_F(Form1Test, RefreshStartsDispotuneAgainAndEnds) {
    setScreen({1024, 768, 15, 32});
    auto form = openWindow();
    ASSERT_TRUE(form);
    EXPECT_THROW(form->findChild<QPushButton*>("Command1")->click(), ProgramEnded);
    EXPECT_EQ(startedPrograms(), QStringList{dispotune});
    EXPECT_EQ(fake.processes.started[0].style, Processes::WindowStyle::NormalFocus);
}

} // namespace
