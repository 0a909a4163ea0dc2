#pragma once

#include <QString>
#include <optional>

class RecordFile;

// GLXNOV.glb: record 1 holds the signature, page n the ten records 10n to 10n + 9.
// Each call opens the file, reads and closes it, so a file changed on disk is seen
// at the next call.

inline const QString signatureBase = QStringLiteral("BASE GL");
inline constexpr int dernierePageAdressable = 3275; // slot 9 of page 3275 is record 32759

struct PageRecord {
    QString cle;        // 0: key and title
    QString texte;      // 1: rich-text body file
    QString numModule;  // 2: simulation module number
    QString media;      // 3: picture or video file
    QString genre;      // 4: media kind
    QString annexe;     // 5: video still, or related video key / "MENU01"
    QString suivante;   // 6: next page key
    QString precedente; // 7: previous page key
    QString style;      // 8: style number
    QString bandeau;    // 9: heading "caption-title line"

    QString slot(int k) const;
    void setSlot(int k, const QString& text);
};

QString readSignature(const QString& databasePath);

// The lowest page whose key equals `key` exactly; none once a key of spaces only (or
// the end of the file) ends the table, so a key of spaces only is never found.
std::optional<int> findPage(const QString& databasePath, const QString& key);

PageRecord readPage(const QString& databasePath, int page);
QString readKey(const QString& databasePath, int page);
// The same from a database already open, for a run of keys read at once.
QString readKey(RecordFile& database, int page);

int recordOfSlot(int page, int slot);
