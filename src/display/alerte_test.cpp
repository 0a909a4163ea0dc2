#include "display/alerte.h"
#include "platform/testing/fakeplatform.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

QPushButton* button(QDialog& dialog, const char* name) {
    auto* found = dialog.findChild<QPushButton*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Clicks as a user can: only a button that is shown.
void clickShown(QDialog& dialog, const char* name) {
    QPushButton* target = button(dialog, name);
    ASSERT_TRUE(target->isVisible()) << name << " is not shown";
    target->click();
}

class AlerteTest : public ::testing::Test {
protected:
    FakePlatform fake;
    Platform platform = fake.platform();
};

TEST_F(AlerteTest, OffersTheSettingsOrQuittingAtLoad) {
    Alerte alerte(platform, 1);
    EXPECT_EQ(alerte.objectName(), "alerte");
    EXPECT_EQ(alerte.windowTitle(), "Affichage mal adapté");
    EXPECT_EQ(alerte.findChild<QLabel*>("Label1")->text(),
              "Il n'est pas possible d'exécuter ce logiciel si la zone d'écran est inférieure à "
              "800 x 600 pixels (avec si possible 16777216 couleurs - 24 bits -).\r\n"
              "Modifier ce paramètre depuis le panneau de configuration de WINDOWS.");
    EXPECT_EQ(alerte.findChild<QLabel*>("Label1")->font().family(), "MS Sans Serif");
    EXPECT_NE(alerte.findChild<QLabel*>("Image3"), nullptr);
    EXPECT_EQ(button(alerte, "Command1")->text(), "Poursuivre l'exécution du logiciel");
    EXPECT_EQ(button(alerte, "Command2")->text(), "Afficher le panneau de configuration WINDOWS.");
    EXPECT_EQ(button(alerte, "Command3")->text(), "Quitter");

    fake.modalWindows.scriptNext([](QDialog& dialog) {
        EXPECT_TRUE(button(dialog, "Command2")->isVisible());
        EXPECT_FALSE(button(dialog, "Command1")->isVisible());
        EXPECT_TRUE(button(dialog, "Command3")->isVisible());
        return 0;
    });
    fake.modalWindows.run(alerte);
}

TEST_F(AlerteTest, SettingsThenContinueClosesTheWindow) {
    Alerte alerte(platform, 1);
    fake.modalWindows.scriptNext([](QDialog& dialog) {
        clickShown(dialog, "Command2");
        EXPECT_FALSE(button(dialog, "Command2")->isVisible());
        EXPECT_TRUE(button(dialog, "Command1")->isVisible());
        clickShown(dialog, "Command1");
        return dialog.result();
    });
    EXPECT_EQ(fake.modalWindows.run(alerte), QDialog::Accepted);
    ASSERT_EQ(fake.processes.started.size(), 1);
    EXPECT_EQ(fake.processes.started[0].program, "gnome-control-center");
    EXPECT_EQ(fake.processes.started[0].arguments, QStringList{"display"});
    EXPECT_EQ(fake.processes.started[0].style, Processes::WindowStyle::MinimisedFocus);
}

TEST_F(AlerteTest, SettingsProgramIsTheFirstThatStarts) {
    fake.processes.failing = {"gnome-control-center", "systemsettings"};
    Alerte alerte(platform, 1);
    fake.modalWindows.scriptNext([](QDialog& dialog) {
        clickShown(dialog, "Command2");
        return 0;
    });
    fake.modalWindows.run(alerte);
    ASSERT_EQ(fake.processes.started.size(), 3);
    EXPECT_EQ(fake.processes.started[2].program, "systemsettings5");
}

TEST_F(AlerteTest, NoSettingsProgramStillOffersToContinue) {
    Alerte alerte(platform, 1);
    fake.processes.nextTask = 0; // every start fails
    fake.modalWindows.scriptNext([](QDialog& dialog) {
        clickShown(dialog, "Command2");
        EXPECT_TRUE(button(dialog, "Command1")->isVisible());
        return 0;
    });
    fake.modalWindows.run(alerte);
    EXPECT_GT(fake.processes.started.size(), 1);
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(AlerteTest, QuitEndsTheProgramAtOnce) {
    Alerte alerte(platform, 1);
    fake.modalWindows.scriptNext([](QDialog& dialog) {
        clickShown(dialog, "Command3");
        return 0;
    });
    EXPECT_THROW(fake.modalWindows.run(alerte), ProgramEnded);
    EXPECT_TRUE(fake.processes.started.isEmpty());
}

TEST_F(AlerteTest, EachShowingStartsWithItsFirstChoice) {
    {
        Alerte first(platform, 1);
        fake.modalWindows.scriptNext([](QDialog& dialog) {
            clickShown(dialog, "Command2");
            clickShown(dialog, "Command1");
            return 0;
        });
        fake.modalWindows.run(first);
    }
    Alerte again(platform, 1);
    fake.modalWindows.scriptNext([](QDialog& dialog) {
        EXPECT_TRUE(button(dialog, "Command2")->isVisible());
        EXPECT_FALSE(button(dialog, "Command1")->isVisible());
        return 0;
    });
    fake.modalWindows.run(again);
    EXPECT_EQ(fake.modalWindows.shown, (QList<QString>{"alerte", "alerte"}));
}

} // namespace
