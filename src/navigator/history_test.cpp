#include "navigator/history.h"

#include <gtest/gtest.h>

TEST(History, StartsOnTheGeneralSummaryWithNoWayBack) {
    NavigationState state;
    state.historique[5] = "x";
    reinitialiserHistorique(state);
    EXPECT_EQ(state.positionHistorique, 1);
    EXPECT_EQ(state.historique[1], u"soma0");
    EXPECT_TRUE(state.historique[5].isEmpty());
    EXPECT_FALSE(avantPossible(state));
    EXPECT_FALSE(apresPossible(state));
}

TEST(History, KeepsTheTwentyMostRecentEntries) {
    NavigationState state;
    reinitialiserHistorique(state);
    for (int i = 1; i <= 25; ++i)
        empilerHistorique(state, QString::number(i));
    EXPECT_EQ(state.positionHistorique, 20);
    EXPECT_EQ(state.historique[20], u"25");
    EXPECT_EQ(state.historique[1], u"6");
    EXPECT_TRUE(state.historique[21].isEmpty());
}

TEST(History, ANewEntryAfterGoingBackClearsTheForwardEntries) {
    NavigationState state;
    reinitialiserHistorique(state);
    for (const char* key : {"a", "b", "c"})
        empilerHistorique(state, key);
    state.positionHistorique -= 2; // two steps back, as `avant` does before showing
    state.navigationHistorique = 1;
    empilerHistorique(state, "b");
    EXPECT_TRUE(apresPossible(state));
    empilerHistorique(state, "new");
    EXPECT_EQ(state.historique[4], u"new");
    EXPECT_TRUE(state.historique[5].isEmpty());
    EXPECT_FALSE(apresPossible(state));
    EXPECT_TRUE(avantPossible(state));
}
