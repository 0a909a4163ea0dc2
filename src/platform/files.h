#pragma once

#include <QString>
#include <optional>

// Files as the course finds them: a disc's names may differ in letter case from the
// names the course gives, so a path that does not exist exactly is matched again
// component by component, ignoring case.
class Files {
public:
    virtual ~Files() = default;

    // The directory holding the running executable (no trailing separator).
    virtual QString executableDirectory() const = 0;

    // The path of the existing file or directory the path names, or none.
    virtual std::optional<QString> resolve(const QString& path) const = 0;
    bool exists(const QString& path) const { return resolve(path).has_value(); }

    // Copies, replacing an existing destination.
    virtual bool copy(const QString& from, const QString& to) = 0;

    // A program copied from a disc arrives without its execute permission.
    virtual bool makeExecutable(const QString& path) = 0;
};
