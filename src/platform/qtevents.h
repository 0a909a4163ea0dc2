#pragma once

#include "platform/events.h"

class QtEvents : public Events {
public:
    void processPending() override;
};
