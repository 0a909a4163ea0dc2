#include "platform/diskfiles.h"

#include <QCoreApplication>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// Component by component, the exact name first, else the one entry of the directory
// whose name matches ignoring case (the first in directory order if several do).
std::optional<fs::path> matchIgnoringCase(const fs::path& path) {
    std::error_code error;
    fs::path current = path.root_path();
    for (const fs::path& component : path.relative_path()) {
        fs::path exact = current / component;
        if (fs::exists(exact, error)) {
            current = exact;
            continue;
        }
        const QString wanted = QString::fromStdString(component.string());
        std::optional<fs::path> found;
        for (fs::directory_iterator it(current.empty() ? fs::path(".") : current, error), end;
             !error && it != end; it.increment(error)) {
            const QString name = QString::fromStdString(it->path().filename().string());
            if (name.compare(wanted, Qt::CaseInsensitive) == 0) {
                found = current / it->path().filename();
                break;
            }
        }
        if (!found)
            return std::nullopt;
        current = *found;
    }
    return current;
}

} // namespace

QString DiskFiles::executableDirectory() const {
    return QCoreApplication::applicationDirPath();
}

std::optional<QString> DiskFiles::resolve(const QString& path) const {
    if (path.isEmpty())
        return std::nullopt;
    const fs::path wanted(path.toStdString());
    std::error_code error;
    if (fs::exists(wanted, error))
        return path;
    if (const std::optional<fs::path> found = matchIgnoringCase(wanted))
        return QString::fromStdString(found->string());
    return std::nullopt;
}

bool DiskFiles::copy(const QString& from, const QString& to) {
    std::error_code error;
    return fs::copy_file(from.toStdString(), to.toStdString(), fs::copy_options::overwrite_existing,
                         error);
}

bool DiskFiles::makeExecutable(const QString& path) {
    std::error_code error;
    fs::permissions(path.toStdString(),
                    fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                    fs::perm_options::add, error);
    return !error;
}
