#include "common/appdirectory.h"

QString repertoireProgramme(const QString& directory) {
    QString result = directory;
    while (result.size() > 1 && result.endsWith(u'/'))
        result.chop(1);
    if (!result.endsWith(u'/'))
        result += u'/';
    return result;
}
