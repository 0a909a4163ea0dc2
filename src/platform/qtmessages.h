#pragma once

#include "platform/messages.h"

class QtMessages : public Messages {
public:
    Answer show(const QString& title, const QString& text, Buttons buttons, Icon icon) override;
    void beep() override;
};
