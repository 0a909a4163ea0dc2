#pragma once

#include "platform/drives.h"

#include <QByteArray>
#include <QStringList>

// Removable and optical mounts as drive letters, in a fixed order: C stays the
// system disc; optical discs (iso9660, udf) get D, E, ... in the order of their mount
// paths, then the other removable mounts (under /media or /run/media) follow in the
// same way. The kernel's mount table is read at every question, so a disc inserted
// later is seen; the volumes are examined again only when that table has changed,
// since a scan asks for each of the 26 letters in turn.
class MountDrives : public Drives {
public:
    QString root(QChar letter) const override;

private:
    const QStringList& roots() const;

    mutable QByteArray mountTable_;
    mutable QStringList roots_;
    mutable bool known_ = false;
};

struct Mount {
    QString root;
    QString fileSystemType;
};

// The roots that receive letters D, E, ... in that order.
QStringList lettered(const QList<Mount>& mounts);
