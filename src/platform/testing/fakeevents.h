#pragma once

#include "platform/events.h"

class FakeEvents : public Events {
public:
    void processPending() override { ++calls; }
    int calls = 0;
};
