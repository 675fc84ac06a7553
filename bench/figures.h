// Timing for the benchmarks: every figure is one line of the same form,
//   <what>  median <x> ms  p95 <y> ms  over <n> runs
// and a wait beside its floor adds "  floor <f> ms  ratio <r>".
#pragma once

#include <algorithm>
#include <chrono>
#include <ratio>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

using Clock = std::chrono::steady_clock;

inline double Ms(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

inline double MsSince(Clock::time_point start) {
    return Ms(start, Clock::now());
}

struct Stats {
    double median = 0, p95 = 0;
    size_t n = 0;
};

inline Stats Summarize(std::vector<double> ms) {
    Stats stats;
    stats.n = ms.size();
    if (ms.empty()) return stats;
    std::sort(ms.begin(), ms.end());
    const size_t n = ms.size();
    stats.median = n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
    stats.p95 = ms[(95 * n + 99) / 100 - 1]; // nearest rank
    return stats;
}

inline std::string Line(const std::string& what, const Stats& stats) {
    if (stats.n == 0) return what + "  no runs";
    char figures[96];
    std::snprintf(figures, sizeof figures, "  median %.4f ms  p95 %.4f ms  over %zu runs",
                  stats.median, stats.p95, stats.n);
    return what + figures;
}

inline void Report(const std::string& what, const std::vector<double>& ms) {
    std::printf("%s\n", Line(what, Summarize(ms)).c_str());
    std::fflush(stdout);
}

// The rows of a file of Report lines, by what: how the floors travel from the
// bare program to the editor's bench.
inline std::map<std::string, Stats> ReadRows(const std::string& path) {
    std::map<std::string, Stats> rows;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        const size_t at = line.find("  median ");
        Stats stats;
        if (at == std::string::npos ||
            std::sscanf(line.c_str() + at, "  median %lf ms  p95 %lf ms  over %zu runs",
                        &stats.median, &stats.p95, &stats.n) != 3)
            continue;
        rows[line.substr(0, at)] = stats;
    }
    return rows;
}

// Times work `runs` times, each divided by `per`; prepare runs untimed before each.
inline std::vector<double> Time(int runs, const std::function<void()>& work, int per = 1,
                                const std::function<void()>& prepare = {}) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        if (prepare) prepare();
        const auto start = Clock::now();
        work();
        ms.push_back(MsSince(start) / per);
    }
    return ms;
}
