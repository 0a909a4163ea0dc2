#include "platform/mountdrives.h"

#include <QStorageInfo>
#include <algorithm>

namespace {

bool isOptical(const Mount& mount) {
    return mount.fileSystemType == u"iso9660" || mount.fileSystemType == u"udf";
}

bool isRemovable(const Mount& mount) {
    return mount.root.startsWith(u"/media/") || mount.root.startsWith(u"/run/media/");
}

constexpr char16_t firstLetter = u'D';

} // namespace

QStringList lettered(const QList<Mount>& mounts) {
    QStringList optical;
    QStringList removable;
    for (const Mount& mount : mounts) {
        if (isOptical(mount))
            optical.append(mount.root);
        else if (isRemovable(mount))
            removable.append(mount.root);
    }
    std::sort(optical.begin(), optical.end());
    std::sort(removable.begin(), removable.end());
    return optical + removable;
}

QString MountDrives::root(QChar letter) const {
    const int index = letter.unicode() - firstLetter;
    if (index < 0 || letter.unicode() > u'Z')
        return {};
    QList<Mount> mounts;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady())
            mounts.append({volume.rootPath(), QString::fromLatin1(volume.fileSystemType())});
    }
    const QStringList roots = lettered(mounts);
    return index < roots.size() ? roots.at(index) : QString();
}
