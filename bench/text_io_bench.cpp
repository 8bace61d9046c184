// Text input and output: the data-file reader against a bare std::from_chars
// loop over the same bytes, and the report writer against a bare
// std::to_chars loop producing the same digits.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "bench_problems.h"
#include "problem/input_file.h"
#include "problem/problem_state.h"
#include "report/matrix_printing.h"
#include "textio/record_writer.h"
#include "textio/results_file.h"

namespace corvane::bench {
namespace {

constexpr int kReadOrder = 2000;
constexpr int kWriteOrder = 1000;  // a 1000 x 1000 matrix: a million fields

class CountingMessages : public MessageService {
public:
    void show(std::string_view, std::string_view, MessageIcon) override { ++count; }
    int count = 0;
};

const std::string& readText() {
    static const std::string text = dataFileText(kReadOrder, 3);
    return text;
}

void countBytes(benchmark::State& state, std::size_t bytes) {
    state.counters["MB/s"] = benchmark::Counter(static_cast<double>(bytes) * 1e-6, benchmark::Counter::kIsIterationInvariantRate);
}

void readCorvane(benchmark::State& state) {
    const std::string& text = readText();
    CountingMessages messages;
    for (auto _ : state) {
        ProblemState problem;
        INITIALIZEDATA(problem);
        auto end = readProblemText(problem, text, messages);
        benchmark::DoNotOptimize(end);
        benchmark::DoNotOptimize(problem.A.data());
        state.PauseTiming();
        problem = ProblemState{};  // the release of the arrays is not part of the read
        state.ResumeTiming();
    }
    if (messages.count != 0) state.SkipWithError("the data file was not read");
    countBytes(state, text.size());
}

// The same bytes: skip the title line, then convert every number with
// std::from_chars into a preallocated array.
void readFromChars(benchmark::State& state) {
    const std::string& text = readText();
    std::vector<float> values(static_cast<std::size_t>(kReadOrder) * (kReadOrder + 1) + 2);
    for (auto _ : state) {
        const char* p = text.data() + text.find('\n') + 1;
        const char* end = text.data() + text.size();
        std::size_t count = 0;
        while (p < end) {
            while (p < end && (*p == ' ' || *p == '\n' || *p == '\r')) ++p;
            if (p == end) break;
            float value;
            auto result = std::from_chars(p, end, value);
            p = result.ptr;
            values[count++] = value;
        }
        benchmark::DoNotOptimize(values.data());
        benchmark::DoNotOptimize(count);
    }
    countBytes(state, text.size());
}

// The same text as a data file (in the page cache), read as SOLVE reads it:
// piece by piece from the results file, which then takes the digest of the
// data in front of the reports.
void readFileCorvane(benchmark::State& state) {
    const std::string& text = readText();
    char path[] = "/tmp/corvane-bench-XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0 || write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
        state.SkipWithError("cannot write a file in /tmp");
        return;
    }
    close(fd);
    CountingMessages messages;
    ResultsFile file;
    for (auto _ : state) {
        ProblemState problem;
        INITIALIZEDATA(problem);
        file.open(path);
        benchmark::DoNotOptimize(READINPUTFILE(problem, file, messages));
        benchmark::DoNotOptimize(problem.A.data());
        state.PauseTiming();
        file.close();
        problem = ProblemState{};
        state.ResumeTiming();
    }
    unlink(path);
    if (messages.count != 0) state.SkipWithError("the data file was not read");
    countBytes(state, text.size());
}

BENCHMARK(readCorvane)->Name("read/corvane")->Arg(kReadOrder)->Unit(benchmark::kMillisecond);
BENCHMARK(readFromChars)->Name("read/from_chars")->Arg(kReadOrder)->Unit(benchmark::kMillisecond);
BENCHMARK(readFileCorvane)->Name("read-file/corvane")->Arg(kReadOrder)->Unit(benchmark::kMillisecond);
BENCHMARK(readFromChars)->Name("read-file/from_chars")->Arg(kReadOrder)->Unit(benchmark::kMillisecond);

// Values as reports hold them: mostly in the fixed-form range, some far
// outside it, a few exact zeros.
const std::vector<float>& reportValues() {
    static const std::vector<float> values = [] {
        std::mt19937 random(4);
        std::uniform_real_distribution<float> uniform(-1.0f, 1.0f);
        std::uniform_int_distribution<int> exponent(-12, 12);
        std::vector<float> v(static_cast<std::size_t>(kWriteOrder) * kWriteOrder);
        for (std::size_t k = 0; k < v.size(); ++k) {
            v[k] = k % 97 == 0 ? 0.0f : uniform(random) * std::pow(10.0f, static_cast<float>(exponent(random) / 3));
        }
        return v;
    }();
    return values;
}

// Significant digits that the field shows: 1pg15.7 has 7 in fixed form and
// 8 in exponent form; g15.7 has 7 in both.
int listDigits(float v) {
    const float m = std::fabs(v);
    return m == 0.0f || (m >= 0.1f && m < 9999999.5f) ? 7 : 8;
}

void countFields(benchmark::State& state) {
    state.counters["Mfields/s"] = benchmark::Counter(static_cast<double>(reportValues().size()) * 1e-6,
                                                     benchmark::Counter::kIsIterationInvariantRate);
}

// A matrix printed row by row, list-directed (five 1pg15.7 fields a line),
// into a sink in memory, or into a results file on disk.
void writeRowsTo(benchmark::State& state, RecordSink& sink, StringSink* memory) {
    const std::vector<float>& values = reportValues();
    RecordWriter out(sink);
    for (auto _ : state) {
        if (memory != nullptr) memory->clear();
        for (int i = 0; i < kWriteOrder; ++i) out.writeListReals(&values[static_cast<std::size_t>(i)], kWriteOrder, kWriteOrder);
        sink.flush();
    }
    countFields(state);
}

void writeRowsCorvane(benchmark::State& state) {
    StringSink sink;
    writeRowsTo(state, sink, &sink);
}

void writeRowsFile(benchmark::State& state) {
    char path[] = "/tmp/corvane-bench-XXXXXX";
    const int fd = mkstemp(path);
    if (fd >= 0) close(fd);
    ResultsFile file;
    if (!file.open(path)) {
        state.SkipWithError("cannot create a file in /tmp");
        return;
    }
    for (auto _ : state) {
        file.positionAfterData(0, false);
        RecordWriter out(file);
        const std::vector<float>& values = reportValues();
        for (int i = 0; i < kWriteOrder; ++i) out.writeListReals(&values[static_cast<std::size_t>(i)], kWriteOrder, kWriteOrder);
        file.flush();
    }
    file.close();
    unlink(path);
    countFields(state);
}

// The digits alone: std::to_chars in scientific form with the field's number
// of significant digits, into a line buffer.
void writeRowsToChars(benchmark::State& state) {
    const std::vector<float>& values = reportValues();
    char line[256];
    for (auto _ : state) {
        for (int i = 0; i < kWriteOrder; ++i) {
            char* p = line;
            for (int j = 0; j < kWriteOrder; ++j) {
                const float v = values[static_cast<std::size_t>(j) * kWriteOrder + static_cast<std::size_t>(i)];
                if (p > line + 160) p = line;
                p = std::to_chars(p, line + sizeof line, static_cast<double>(v), std::chars_format::scientific,
                                  listDigits(v) - 1).ptr;
            }
            benchmark::DoNotOptimize(line);
        }
    }
    countFields(state);
}

BENCHMARK(writeRowsCorvane)->Name("write-rows/corvane")->Arg(kWriteOrder)->Unit(benchmark::kMillisecond);
BENCHMARK(writeRowsToChars)->Name("write-rows/to_chars")->Arg(kWriteOrder)->Unit(benchmark::kMillisecond);
BENCHMARK(writeRowsFile)->Name("write-rows-to-file/corvane")->Arg(kWriteOrder)->Unit(benchmark::kMillisecond);
BENCHMARK(writeRowsToChars)->Name("write-rows-to-file/to_chars")->Arg(kWriteOrder)->Unit(benchmark::kMillisecond);

// Solution lines " x(i) = " with a g15.7 field, as every method prints them.
void writeSolutionCorvane(benchmark::State& state) {
    const std::vector<float>& values = reportValues();
    StringSink sink;
    RecordWriter out(sink);
    const int n = static_cast<int>(values.size());
    for (auto _ : state) {
        sink.clear();
        for (int i = 1; i <= n; ++i) {
            out.write("(a, i0, a, g15.7)", {" x(", i, ") = ", values[static_cast<std::size_t>(i - 1)]});
        }
    }
    countFields(state);
}

// The same digits: the index and the value's seven significant digits.
void writeSolutionToChars(benchmark::State& state) {
    const std::vector<float>& values = reportValues();
    char line[64];
    for (auto _ : state) {
        int i = 0;
        for (float v : values) {
            char* p = std::to_chars(line, line + sizeof line, ++i).ptr;
            p = std::to_chars(p, line + sizeof line, static_cast<double>(v), std::chars_format::scientific, 6).ptr;
            benchmark::DoNotOptimize(p);
        }
    }
    countFields(state);
}

BENCHMARK(writeSolutionCorvane)->Name("write-solution/corvane")->Arg(kWriteOrder)->Unit(benchmark::kMillisecond);
BENCHMARK(writeSolutionToChars)->Name("write-solution/to_chars")->Arg(kWriteOrder)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane::bench
