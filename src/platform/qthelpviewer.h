#pragma once

#include "platform/helpviewer.h"

// The demo help viewer, the program "helpviewer" beside the running executable, else
// on the search path.
class QtHelpViewer : public HelpViewer {
public:
    bool showContents(const QString& helpFile) override;
};
