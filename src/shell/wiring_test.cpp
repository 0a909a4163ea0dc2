#include "navigator/multim.h"
#include "platform/forms/formlabel.h"
#include "platform/testing/fakeplatform.h"
#include "shell/applicationstate.h"
#include "shell/wiring.h"

#include <QDialog>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

TEST(Wiring, CalculatorCommandOpensTheCalculatorOverTheMainWindow) {
    FakePlatform fake;
    Platform platform = fake.platform();
    ApplicationState state;
    Multim multim(15, 15);
    multim.move(100, 50);
    connecterCommandes(multim, platform, state);

    QPoint opened;
    fake.modalWindows.scriptNext([&](QDialog& machine) {
        opened = machine.pos();
        return int(QDialog::Rejected);
    });
    multim.Command3->click();

    EXPECT_EQ(fake.modalWindows.shown, QList<QString>{QStringLiteral("Machine")});
    EXPECT_EQ(opened, multim.pos() + QPoint(240 / 15, 1800 / 15));
}

TEST(Wiring, TestButtonsAndTheWayBackOpenTheTest) {
    FakePlatform fake;
    Platform platform = fake.platform();
    ApplicationState state;
    Multim multim(15, 15);
    connecterCommandes(multim, platform, state);

    fake.messages.acceptInformation(true);
    Q_EMIT multim.Label14(4)->clicked();
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(fake.messages.shown[0].title, QStringLiteral("Choix impossible"));
    EXPECT_EQ(fake.messages.shown[0].text, QStringLiteral("Fichier ") +
                                               fake.appPath(QStringLiteral("TC05.GLT")) +
                                               QStringLiteral(" introuvable."));
    EXPECT_EQ(state.test.numeroTest, 4);
    EXPECT_FALSE(state.test.testEnCours);

    state.test.testEnCours = true;
    multim.btexo->show();
    Q_EMIT multim.btexo->clicked();
    EXPECT_TRUE(multim.btexo->isHidden());
    EXPECT_EQ(fake.messages.shown.size(), 2) << "the test file is looked for again";
}

} // namespace
