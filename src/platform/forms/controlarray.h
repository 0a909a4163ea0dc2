#pragma once

#include <map>
#include <vector>

// A control array: controls sharing one name, reached by index. Indexes need not be
// contiguous (`Image6` has 1..6 and 8..17); an index with no control gives null, so
// a step on a control that does not exist is simply skipped.
template <typename Control> class ControlArray {
public:
    void add(int index, Control* control) { controls_[index] = control; }
    Control* operator()(int index) const {
        const auto found = controls_.find(index);
        return found == controls_.end() ? nullptr : found->second;
    }
    int count() const { return int(controls_.size()); }
    std::vector<int> indexes() const {
        std::vector<int> all;
        for (const auto& [index, control] : controls_)
            all.push_back(index);
        return all;
    }
    auto begin() const { return controls_.begin(); }
    auto end() const { return controls_.end(); }

private:
    std::map<int, Control*> controls_;
};
