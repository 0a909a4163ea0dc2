#pragma once

// The files a fuzz target hands to the code under test: written and read back whole,
// any failure ending the run, since a target cannot go on without its file.

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>
#include <cstdlib>

inline void save(const QString& path, QByteArrayView bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes.data(), bytes.size()) != bytes.size())
        std::abort();
}

inline QByteArray load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    return file.readAll();
}
