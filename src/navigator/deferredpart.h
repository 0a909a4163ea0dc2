#pragma once

#include <functional>
#include <vector>

// Controls of a window built the first time they are needed rather than with the
// window, and the work that must wait for them: wiring, placing, captions.
class DeferredPart {
public:
    explicit DeferredPart(std::function<void()> build) : build_(std::move(build)) {}

    // Builds the part, then runs what waited for it. Once.
    void construire();
    bool construite() const { return construite_; }

    // Runs `preparer` on the part: at once when it is built, else once it is.
    void apres(std::function<void()> preparer);

private:
    std::function<void()> build_;
    bool construite_ = false;
    std::vector<std::function<void()>> preparateurs_;
};
