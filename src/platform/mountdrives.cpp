#include "platform/mountdrives.h"

#include <QFile>
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
    const QStringList& all = roots();
    return index < all.size() ? all.at(index) : QString();
}

const QStringList& MountDrives::roots() const {
    QFile table(QStringLiteral("/proc/self/mounts"));
    // Without a readable table every question examines the volumes afresh.
    const QByteArray current = table.open(QIODevice::ReadOnly) ? table.readAll() : QByteArray();
    if (known_ && !current.isEmpty() && current == mountTable_)
        return roots_;
    QList<Mount> mounts;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady())
            mounts.append({volume.rootPath(), QString::fromLatin1(volume.fileSystemType())});
    }
    roots_ = lettered(mounts);
    mountTable_ = current;
    known_ = true;
    return roots_;
}
