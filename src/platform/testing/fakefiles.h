#pragma once

#include "platform/diskfiles.h"

#include <QSet>

// Real files under a test's own directory, which stands for the application
// directory; copies can be made to fail.
class FakeFiles : public DiskFiles {
public:
    explicit FakeFiles(QString directory) : directory_(std::move(directory)) {}

    QString executableDirectory() const override { return directory_; }
    bool copy(const QString& from, const QString& to) override {
        copies.append({from, to});
        return !failCopies && DiskFiles::copy(from, to);
    }

    QList<QPair<QString, QString>> copies;
    bool failCopies = false;

private:
    QString directory_;
};
