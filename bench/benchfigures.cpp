#include "benchfigures.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <cstdlib>
#include <fstream>
#include <string>

namespace benchfigures {

double residentMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atof(line.c_str() + 6) / 1024;
    return 0;
}

void ageFiles(const QString& directory) {
    const QDateTime before = QDateTime::currentDateTime().addSecs(-3600);
    const QDir dir(directory);
    for (const QString& name : dir.entryList(QDir::Files)) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadWrite))
            file.setFileTime(before, QFileDevice::FileModificationTime);
    }
}

int runsFromArguments(int argc, char** argv, int fallback) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 0;
    return runs > 0 ? runs : fallback;
}

} // namespace benchfigures
