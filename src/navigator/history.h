#pragma once

#include "navigator/navigationstate.h"

// The browsing history behind `avant` and `apres`: at most 20 entries, the oldest
// dropped first.

// Start-up's state: one entry, the general summary "soma0", at position 1.
void reinitialiserHistorique(NavigationState& state);

// Records what a display has just shown (a page key or a summary code).
void empilerHistorique(NavigationState& state, const QString& entry);

// Clears the forward part and bounds the length.
void tronquerHistorique(NavigationState& state);

bool avantPossible(const NavigationState& state);
bool apresPossible(const NavigationState& state);
