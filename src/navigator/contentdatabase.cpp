#include "navigator/contentdatabase.h"

#include "common/recordfile.h"
#include "common/spaces.h"

QString PageRecord::slot(int k) const {
    switch (k) {
    case 0:
        return cle;
    case 1:
        return texte;
    case 2:
        return numModule;
    case 3:
        return media;
    case 4:
        return genre;
    case 5:
        return annexe;
    case 6:
        return suivante;
    case 7:
        return precedente;
    case 8:
        return style;
    case 9:
        return bandeau;
    }
    return {};
}

void PageRecord::setSlot(int k, const QString& text) {
    QString* fields[] = {&cle,    &texte,    &numModule,  &media, &genre,
                         &annexe, &suivante, &precedente, &style, &bandeau};
    if (k >= 0 && k < 10)
        *fields[k] = text;
}

int recordOfSlot(int page, int slot) {
    return 10 * page + slot;
}

QString readSignature(const QString& databasePath) {
    return RecordFile(databasePath, RecordFile::Mode::ReadUnchanging).read(1);
}

std::optional<int> findPage(const QString& databasePath, const QString& key) {
    RecordFile file(databasePath, RecordFile::Mode::ReadUnchanging);
    for (int page = 1; page <= dernierePageAdressable; ++page) {
        const QString cle = file.read(recordOfSlot(page, 0));
        // The end of the table first: an empty key must not "find" the missing page.
        if (trimSpaces(cle).isEmpty())
            return std::nullopt;
        if (cle == key)
            return page;
    }
    return std::nullopt;
}

PageRecord readPage(const QString& databasePath, int page) {
    PageRecord record;
    if (page < 1 || page > dernierePageAdressable)
        return record;
    RecordFile file(databasePath, RecordFile::Mode::ReadUnchanging);
    for (int k = 0; k < 10; ++k)
        record.setSlot(k, file.read(recordOfSlot(page, k)));
    return record;
}

QString readKey(RecordFile& database, int page) {
    if (page < 1 || page > dernierePageAdressable)
        return {};
    return database.read(recordOfSlot(page, 0));
}

QString readKey(const QString& databasePath, int page) {
    RecordFile database(databasePath, RecordFile::Mode::ReadUnchanging);
    return readKey(database, page);
}
