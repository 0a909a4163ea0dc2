#pragma once

#include "platform/helpviewer.h"

// The demo help viewer, the program "helpviewer" found as any program started by its
// bare name (beside the running executable first).
class QtHelpViewer : public HelpViewer {
public:
    bool showContents(const QString& helpFile) override;
};
