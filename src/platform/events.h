#pragma once

// Lets the windows repaint between long steps of a handler.
class Events {
public:
    virtual ~Events() = default;
    virtual void processPending() = 0;
};
