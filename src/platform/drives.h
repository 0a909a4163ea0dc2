#pragma once

#include <QChar>
#include <QString>

// The drive letters the course knows its disc by. Each letter A..Z names at most one
// root folder; the scans that look for the disc go from Z down to A, so when two
// drives hold the same file the higher letter wins.
class Drives {
public:
    virtual ~Drives() = default;
    // The root folder of the drive (no trailing separator), or empty when the letter
    // names no drive.
    virtual QString root(QChar letter) const = 0;
};
