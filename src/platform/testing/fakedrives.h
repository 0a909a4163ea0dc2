#pragma once

#include "platform/drives.h"

#include <QMap>

// Drives a test inserts and removes: each letter stands for a folder of the test.
class FakeDrives : public Drives {
public:
    QString root(QChar letter) const override {
        ++questions;
        if (later.contains(letter) && questions > later[letter].afterQuestions)
            return later[letter].root;
        return roots.value(letter);
    }

    // A disc inserted once the drives have been asked about this many times.
    struct Later {
        QString root;
        int afterQuestions;
    };

    QMap<QChar, QString> roots;
    QMap<QChar, Later> later;
    mutable int questions = 0;
};
