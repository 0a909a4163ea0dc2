// The evaluator on the entries of its edge-case table, and on long entries mixing
// parentheses, functions and the five operators.

#include "calculator/evaluator.h"

#include <QString>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

struct Entry {
    const char* text;
    qint16 modeAngle;
};

const Entry table[] = {
    {"2 + 3 * 4", 0},
    {"(1 + 2) * 3", 0},
    {"2 ^ 3 ^ 2", 0},
    {"-2 ^ 2", 0},
    {"8 / 2 / 2", 0},
    {"1 - 2 - 3", 0},
    {"sin 30", 0},
    {"sin(30) ^ 2", 0},
    {"invSIN 1", 0},
    {"invCOS 0", 0},
    {"2 * (3 + sin(30))", 0},
    {"cos 0", 1},
    {"invTAN 1", 1},
    {"log 1000", 0},
    {"ln (2 + 3)", 0},
    {"5E+3 * 2", 0},
    {"1 / 0", 0},
    {"sqr -4", 0},
    {"ln 0", 0},
    {"invSIN 2", 0},
    {"2 +", 0},
    {"(2 + 3", 0},
    {"2 * * 3", 0},
    {"2 ^", 0},
    {"(2)3", 0},
    {"", 0},
};

void evaluate(benchmark::State& state, const QString& entry, qint16 modeAngle) {
    for (auto _ : state) {
        QString expression = entry;
        qint16 codeErreur = 0;
        calculer(expression, codeErreur, modeAngle);
        benchmark::DoNotOptimize(expression);
    }
}

void wholeTable(benchmark::State& state) {
    for (auto _ : state) {
        for (const Entry& entry : table) {
            QString expression = QString::fromLatin1(entry.text);
            qint16 codeErreur = 0;
            calculer(expression, codeErreur, entry.modeAngle);
            benchmark::DoNotOptimize(expression);
        }
    }
}

// Terms such as (2 + sin 30), ln (3 * 2), sqr 16 / 4, joined by the operators in turn.
QString longEntry(int terms) {
    static const char* const shapes[] = {"(2 + sin 30)", "ln (3 * 2)", "sqr 16 / 4",
                                         "(1.5 - cos 60) ^ 2", "exp (1 / 2)"};
    static const char* const operators[] = {" + ", " * ", " - ", " / "};
    QString entry;
    for (int i = 0; i < terms; ++i) {
        if (i > 0)
            entry += QString::fromLatin1(operators[i % 4]);
        entry += QString::fromLatin1(shapes[i % 5]);
    }
    return entry;
}

void longEntries(benchmark::State& state) {
    const QString entry = longEntry(int(state.range(0)));
    QString check = entry;
    qint16 codeErreur = 0;
    calculer(check, codeErreur, 0);
    if (codeErreur != 0) {
        state.SkipWithError("the long entry does not evaluate");
        return;
    }
    state.counters["characters"] = double(entry.size());
    evaluate(state, entry, 0);
}

const int registered = [] {
    benchmark::RegisterBenchmark("calculer/table", wholeTable);
    for (const Entry& entry : table) {
        const QString text = QString::fromLatin1(entry.text);
        const std::string name = "calculer/row:\"" + std::string(entry.text) + "\"";
        benchmark::RegisterBenchmark(name.c_str(), [text, entry](benchmark::State& state) {
            evaluate(state, text, entry.modeAngle);
        });
    }
    // 131 terms make some 2 000 characters.
    benchmark::RegisterBenchmark("calculer/long", longEntries)->Arg(50)->Arg(131)->Arg(200);
    return 0;
}();

} // namespace

BENCHMARK_MAIN();
