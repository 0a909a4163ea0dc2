#pragma once

#include <QElapsedTimer>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <vector>

// The benchmark programs that are not Google Benchmark ones print each figure as a line
// "FIGURE name value", which scripts/bench.sh gathers into its table.
namespace benchfigures {

inline double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

inline void print(const char* name, double value) {
    std::printf("FIGURE %s %.3f\n", name, value);
    std::fflush(stdout);
}

template <typename Work> double milliseconds(Work&& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

// The resident memory of this process, in megabytes.
double residentMegabytes();

// Waits until files just written count as a course left alone, as an installed one is.
void settle();

// The number of runs given as the first argument, or `fallback`.
int runsFromArguments(int argc, char** argv, int fallback);

} // namespace benchfigures
