// A small measuring harness for the benchmark programs: runs a piece of work repeatedly, keeps the
// median of several rounds, and prints one "name<TAB>value<TAB>unit" line per figure so that
// scripts/bench.sh can write them into BENCHMARKS.md.
#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace Bench {

// Nanoseconds per call of work: the median of `rounds` rounds of `calls` calls each.
inline double nsPerCall(const std::function<void()> &work, int calls, int rounds = 7)
{
    std::vector<double> samples;
    work(); // warm caches and lazy initialisation
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < calls; ++i)
            work();
        samples.push_back(double(t.nsecsElapsed()) / calls);
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

inline void report(const QString &name, double value, const QString &unit)
{
    std::printf("%s\t%.3f\t%s\n", qPrintable(name), value, qPrintable(unit));
    std::fflush(stdout);
}

} // namespace Bench
