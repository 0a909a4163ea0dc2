#pragma once

#include "platform/helpviewer.h"

class Processes;

// The demo help viewer, the program "helpviewer" found as any program started by its
// bare name (beside the running executable first). Like the system's help viewer, it
// is one window: asked again while it is open, it is brought to the front.
class QtHelpViewer : public HelpViewer {
public:
    explicit QtHelpViewer(Processes& processes) : processes_(processes) {}

    bool showContents(const QString& helpFile) override;

private:
    Processes& processes_;
    qint64 viewer_ = 0;
};
