#pragma once

#include "platform/drives.h"

#include <QStringList>

// Removable and optical mounts as drive letters, in a fixed order: C stays the
// system disc; optical discs (iso9660, udf) get D, E, ... in the order of their mount
// paths, then the other removable mounts (under /media or /run/media) follow in the
// same way. The mounts are read afresh at every question, so a disc inserted later
// is seen.
class MountDrives : public Drives {
public:
    QString root(QChar letter) const override;
};

struct Mount {
    QString root;
    QString fileSystemType;
};

// The roots that receive letters D, E, ... in that order.
QStringList lettered(const QList<Mount>& mounts);
