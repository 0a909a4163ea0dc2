#pragma once

#include "platform/modalwindows.h"

class QtModalWindows : public ModalWindows {
public:
    int run(QDialog& dialog) override;
};
