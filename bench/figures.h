// Timing for the benchmarks: every figure is one line of the same form,
//   <what>  median <x> ms  p95 <y> ms  over <n> runs
#pragma once

#include <algorithm>
#include <chrono>
#include <ratio>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

using Clock = std::chrono::steady_clock;

inline double Ms(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

inline double MsSince(Clock::time_point start) {
    return Ms(start, Clock::now());
}

inline void Report(const std::string& what, std::vector<double> ms) {
    if (ms.empty()) return (void)std::printf("%s  no runs\n", what.c_str());
    std::sort(ms.begin(), ms.end());
    const size_t n = ms.size();
    const double median = n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
    const double p95 = ms[(95 * n + 99) / 100 - 1]; // nearest rank
    std::printf("%s  median %.4f ms  p95 %.4f ms  over %zu runs\n", what.c_str(), median, p95, n);
    std::fflush(stdout);
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
