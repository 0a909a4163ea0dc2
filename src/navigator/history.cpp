#include "navigator/history.h"

#include "common/spaces.h"

namespace {

constexpr int longueurMax = 20;
constexpr int derniereEntree = 100;

} // namespace

void reinitialiserHistorique(NavigationState& state) {
    state.historique.fill(QString());
    state.positionHistorique = 1;
    state.historique[1] = QStringLiteral("soma0");
    state.navigationHistorique = 0;
}

void empilerHistorique(NavigationState& state, const QString& entry) {
    if (state.positionHistorique < derniereEntree)
        ++state.positionHistorique;
    state.historique[state.positionHistorique] = entry;
    if (state.navigationHistorique == 0)
        tronquerHistorique(state);
    state.navigationHistorique = 0;
}

void tronquerHistorique(NavigationState& state) {
    const int position = state.positionHistorique;
    for (int i = position + 1; i <= position + longueurMax && i <= derniereEntree; ++i)
        state.historique[i].clear();
    if (position > longueurMax) {
        for (int i = 1; i < position; ++i)
            state.historique[i] = state.historique[i + 1];
        state.historique[position].clear();
        --state.positionHistorique;
    }
}

bool avantPossible(const NavigationState& state) {
    return state.positionHistorique >= 2;
}

bool apresPossible(const NavigationState& state) {
    const int next = state.positionHistorique + 1;
    return next <= derniereEntree && !trimSpaces(state.historique[next]).isEmpty();
}
