#pragma once

#include "platform/helpviewer.h"

#include <QStringList>

class FakeHelpViewer : public HelpViewer {
public:
    bool showContents(const QString& helpFile) override {
        opened.append(helpFile);
        return true;
    }

    QStringList opened;
};
