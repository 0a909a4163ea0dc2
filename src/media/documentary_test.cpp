#include "media/documentary.h"
#include "navigator/testing/navigationharness.h"
#include "platform/forms/formlabel.h"

namespace {

class Documentary : public NavigationHarness {
protected:
    Documentary() { connecterFenetre(navigateur); }
};

TEST_F(Documentary, AnIconOpensItsReadingPageAndAnUnknownOneTheSummary) {
    demanderPage(navigateur, QStringLiteral("1.1. Les atomes"));
    ASSERT_FALSE(m.projo->isHidden());
    m.Frame1->show();
    fake.mediaControl.log.clear();

    DOCU_Click(navigateur, 11);
    EXPECT_EQ(state.cleCourante, QStringLiteral("Regarder « loin », c'est regarder « tôt »"));
    EXPECT_TRUE(m.menugeneral->isHidden());
    EXPECT_TRUE(m.projo->isHidden());
    EXPECT_TRUE(m.Frame1->isHidden());
    EXPECT_EQ(fake.mediaControl.log.value(0), QStringLiteral("Close"));

    DOCU_Click(navigateur, 5);
    EXPECT_FALSE(m.menugeneral->isHidden()) << "the general summary";
    EXPECT_EQ(m.windowTitle(), QStringLiteral("Solstice - LUMEN"));
}

} // namespace
