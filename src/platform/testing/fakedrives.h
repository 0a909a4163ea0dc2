#pragma once

#include "platform/drives.h"

#include <QMap>

// Drives a test inserts and removes: each letter stands for a folder of the test.
class FakeDrives : public Drives {
public:
    QString root(QChar letter) const override {
        ++questions;
        return roots.value(letter);
    }

    QMap<QChar, QString> roots;
    mutable int questions = 0;
};
