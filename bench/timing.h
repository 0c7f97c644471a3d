#pragma once
// Per-call timing for the benchmarks. Google Benchmark reports a mean, but a
// hitch in the window is a matter of the slow calls: each measured call is
// timed on its own, and the median and the 99th percentile are reported as
// counters in microseconds, by the wall clock and (cpu_) by the thread's CPU
// time, which other programs on a busy machine do not inflate.

#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace quib::bench {

class Timings {
public:
    // Without cpu, only the wall clock is read: reading the thread's CPU
    // time is a system call, too slow beside a call of a fraction of a
    // microsecond.
    explicit Timings(bool cpu = true) : withCpu_(cpu) {
        wall_.reserve(1 << 16);
        if (withCpu_) cpu_.reserve(1 << 16);
    }

    void Start() {
        if (withCpu_) cpuStart_ = CpuMicros();
        wallStart_ = std::chrono::steady_clock::now();
    }

    void Stop() {
        wall_.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - wallStart_).count());
        if (withCpu_) cpu_.push_back(CpuMicros() - cpuStart_);
    }

    // Sets median_us and p99_us (and cpu_median_us, cpu_p99_us).
    void Report(benchmark::State& state) {
        Put(state, wall_, "");
        Put(state, cpu_, "cpu_");
    }

private:
    static double CpuMicros() {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
    }

    static void Put(benchmark::State& state, std::vector<double>& micros, const std::string& prefix) {
        if (micros.empty()) return;
        std::sort(micros.begin(), micros.end());
        const auto at = [&micros](double q) {
            return micros[std::min(micros.size() - 1, static_cast<std::size_t>(q * static_cast<double>(micros.size())))];
        };
        state.counters[prefix + "median_us"] = at(0.5);
        state.counters[prefix + "p99_us"] = at(0.99);
    }

    bool withCpu_;
    std::vector<double> wall_, cpu_;
    std::chrono::steady_clock::time_point wallStart_;
    double cpuStart_ = 0;
};

}  // namespace quib::bench
