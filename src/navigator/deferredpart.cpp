#include "navigator/deferredpart.h"

#include <utility>

void DeferredPart::construire() {
    if (construite_)
        return;
    construite_ = true;
    build_();
    for (const std::function<void()>& preparer : std::exchange(preparateurs_, {}))
        preparer();
}

void DeferredPart::apres(std::function<void()> preparer) {
    if (construite_)
        preparer();
    else
        preparateurs_.push_back(std::move(preparer));
}
