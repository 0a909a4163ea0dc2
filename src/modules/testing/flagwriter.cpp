// A stand-in for a module hammering its own flag-file record, for the load test:
//   flagwriter PATH RECORD COUNT FIRST SECOND
// writes FIRST and SECOND in turn COUNT times into RECORD, opening the file for each
// write as a module does, then SECOND once more.

#include "common/recordfile.h"

#include <QCoreApplication>
#include <QStringList>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 6)
        return 2;
    const QString& path = args[1];
    const int record = args[2].toInt();
    const int count = args[3].toInt();
    for (int i = 0; i < count; ++i)
        if (!writeRecord(path, record, args[4 + i % 2]))
            return 1;
    return writeRecord(path, record, args[5]) ? 0 : 1;
}
