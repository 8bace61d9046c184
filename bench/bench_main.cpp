// Runs the benchmarks and ends with a summary: for every task and order, each
// implementation's time and rate, and how many times longer corvane takes
// than it (the goals are stated as such ratios).
//
// Benchmark names are <task>/<implementation>/<order or size>; the
// implementation "corvane" is the one the others are compared with. Times are
// processor times of the measuring thread (the machines these run on are
// often shared; wall-clock time would count the time others ran), except for
// runs on several threads, which are timed by the wall clock.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "kernels/kernel_threads.h"

namespace {

struct Measurement {
    double seconds = 0;  // fastest repetition, per iteration
    std::string rateName;
    double rate = 0;
};

struct Key {
    std::string task;
    std::string size;
    bool operator<(const Key& other) const {
        if (task != other.task) return task < other.task;
        if (size.size() != other.size.size()) return size.size() < other.size.size();
        return size < other.size;
    }
};

class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
            record(run);
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void printSummary() const {
        std::printf("\n| task | size | implementation | time per run | rate | corvane time / this time |\n");
        std::printf("|---|---|---|---|---|---|\n");
        for (const auto& [key, implementations] : results_) {
            const auto subject = implementations.find("corvane");
            for (const auto& [name, m] : implementations) {
                char ratio[32] = "";
                if (subject != implementations.end() && name != "corvane") {
                    std::snprintf(ratio, sizeof ratio, "%.2f", subject->second.seconds / m.seconds);
                }
                std::printf("| %s | %s | %s | %s | %.3g %s | %s |\n", key.task.c_str(), key.size.c_str(), name.c_str(),
                            duration(m.seconds).c_str(), m.rate, m.rateName.c_str(), ratio);
            }
        }
    }

private:
    void record(const Run& run) {
        const std::string name = run.run_name.function_name;
        const std::size_t slash = name.find('/');
        if (slash == std::string::npos) return;
        Key key{name.substr(0, slash), run.run_name.args};
        const std::string implementation = name.substr(slash + 1);
        // Runs on several threads (a "threads" counter) are timed by the wall clock.
        const bool threaded = run.counters.count("threads") != 0;
        const double seconds =
            (threaded ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime()) * timeUnitSeconds(run.time_unit);
        Measurement& m = results_[key][implementation];
        if (m.seconds != 0 && m.seconds <= seconds) return;
        m.seconds = seconds;
        for (const auto& [counterName, counter] : run.counters) {
            if (counterName == "threads") continue;
            m.rateName = counterName;
            m.rate = counter.value;
        }
    }

    static double timeUnitSeconds(benchmark::TimeUnit unit) {
        switch (unit) {
            case benchmark::kNanosecond: return 1e-9;
            case benchmark::kMicrosecond: return 1e-6;
            case benchmark::kMillisecond: return 1e-3;
            default: return 1.0;
        }
    }

    static std::string duration(double seconds) {
        char text[32];
        if (seconds >= 1) std::snprintf(text, sizeof text, "%.2f s", seconds);
        else if (seconds >= 1e-3) std::snprintf(text, sizeof text, "%.2f ms", seconds * 1e3);
        else std::snprintf(text, sizeof text, "%.1f us", seconds * 1e6);
        return text;
    }

    std::map<Key, std::map<std::string, Measurement>> results_;
};

}  // namespace

int main(int argc, char** argv) {
    // One thread for the kernels, as for OpenBLAS; the benchmarks of the
    // threads set their own counts.
    corvane::setKernelThreads(1);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printSummary();
    benchmark::Shutdown();
    return 0;
}
