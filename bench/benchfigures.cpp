#include "benchfigures.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

namespace benchfigures {

double residentMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atof(line.c_str() + 6) / 1024;
    return 0;
}

void settle() {
    std::this_thread::sleep_for(std::chrono::seconds(3));
}

int runsFromArguments(int argc, char** argv, int fallback) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 0;
    return runs > 0 ? runs : fallback;
}

} // namespace benchfigures
