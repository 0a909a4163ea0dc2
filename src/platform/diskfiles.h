#pragma once

#include "platform/files.h"

class DiskFiles : public Files {
public:
    QString executableDirectory() const override;
    std::optional<QString> resolve(const QString& path) const override;
    bool copy(const QString& from, const QString& to) override;
    bool makeExecutable(const QString& path) override;
};
