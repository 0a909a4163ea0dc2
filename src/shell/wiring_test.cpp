#include "navigator/multim.h"
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

} // namespace
