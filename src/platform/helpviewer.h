#pragma once

#include <QString>

// The system's help viewer, as a program of its own that is never waited for.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Opens the help file at its contents, or brings the viewer already open to the
    // front; false when the viewer could not start.
    virtual bool showContents(const QString& helpFile) = 0;
};
