// The user's data survive any sequence of Read and SOLVE with any options: a
// Read writes nothing, and after any number of SOLVEs the file holds exactly
// the bytes that were in front of the reader's stopping point at the last
// Read, then the reports written since. Checked on random data files (valid,
// odd, broken, cut short) with random options changed at random moments.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "app/dispatcher.h"
#include "problem/input_file.h"
#include "reliability/copying_sink.h"
#include "reliability/option_bits.h"
#include "support/cli_runner.h"
#include "support/run_fixture.h"

namespace corvane {
namespace {

constexpr int kCases = 400;

class RandomDataFile {
public:
    explicit RandomDataFile(std::mt19937& rng) : rng_(rng) {}

    std::string text(const ProblemState& s) {
        lineEnd_ = chance(4) ? "\r\n" : "\n";
        std::string out = pick({"Sistem", "", "  titlu cu 1 2 3", "3 1", "\t"}) + lineEnd_;
        const int n = size();
        out += std::to_string(n);
        if (!chance(5)) out += pick({" ", ", ", lineEnd_}) + std::to_string(size());
        out += lineEnd_;
        if (s.GENERARE) {
            const int nc = chance(5) ? below(3) - 1 : below(12);
            out += std::to_string(nc) + lineEnd_ + group(nc);
        } else {
            for (int i = 1; i <= n; ++i) out += group(s.SIMETRICA ? n - i + 1 : n);
        }
        for (int k = below(3); k > 0; --k) out += group(n);
        if (chance(3)) out += lineEnd_ + "Problema: Sistem liniar" + lineEnd_ + " x(1) =    1.000000    " + lineEnd_;
        if (chance(6)) out.resize(static_cast<std::size_t>(below(static_cast<int>(out.size()) + 1)));
        if (chance(6) && !out.empty() && out.back() == '\n') out.pop_back();
        return out;
    }

private:
    int below(int limit) { return static_cast<int>(rng_() % static_cast<unsigned>(limit)); }
    bool chance(int oneIn) { return below(oneIn) == 0; }
    std::string pick(std::initializer_list<std::string_view> choices) {
        return std::string(*(choices.begin() + below(static_cast<int>(choices.size()))));
    }
    int size() { return chance(12) ? below(3) - 1 : 1 + below(4); }

    std::string number() {
        if (chance(40)) return pick({"x", "NaN", "1e39", "*", "0*1", "--1"});
        return pick({"1", "-2", "3.5", ".25", "7.", "1e-3", "-2.5E+1", "4D0", "2*1.5", "3*", "1000000000*2", "0", "1e-45"});
    }
    std::string separator() { return chance(8) ? lineEnd_ : pick({" ", ", ", "\t", "  ", ","}); }

    // A group of values on a new line, sometimes ended early by a slash or
    // followed by values that are not needed.
    std::string group(int count) {
        std::string out;
        for (int k = 0; k < count; ++k) {
            if (k > 0) out += separator();
            if (chance(25)) return out + " /" + lineEnd_;
            out += number();
        }
        if (chance(6)) out += " 9 9 comentariu";
        return out + lineEnd_;
    }

    std::mt19937& rng_;
    std::string lineEnd_ = "\n";
};

struct Session {
    explicit Session(const std::string& path) : path(path) {}

    // Read, as the Read button does; the file must not change.
    void read(std::uint32_t options) {
        const std::string before = testing::readFile(path);
        ProblemState twin;
        INITIALIZEDATA(twin);
        testing::applyOptionBits(twin, options);
        testing::RecordingMessages twinMessages;
        end = readProblemText(twin, before, twinMessages);

        const std::size_t shown = f.messages.shown.size();
        const bool read = READINPUTFILE(f.state, results, f.messages);
        ASSERT_EQ(read, end.has_value());
        ASSERT_EQ(testing::readFile(path), before) << "the Read changed the file";
        ASSERT_EQ(f.messages.shown.size(), shown + (read ? 0 : 1));
        if (!read) {
            ASSERT_EQ(f.messages.shown.back().title, "Error");
        }
        atRead = before;
        reportsBefore = copy.copied().size();
    }

    // SOLVE; the file holds the data up to the reader's stopping point, then
    // every report since the Read.
    void solve() {
        ASSERT_NE(CORVANEAPPLY(context), SolveOutcome::WriteFailed);
        const std::string reports = copy.copied().substr(reportsBefore);
        const std::string expected =
            reports.empty() ? atRead : atRead.substr(0, end->offset) + (end->lineBreakFirst ? "\r\n" : "") + reports;
        ASSERT_TRUE(testing::readFile(path) == expected) << "the data part or the reports are not as written";
    }

    std::string path;
    testing::RunFixture f;
    ResultsFile results;
    testing::CopyingSink copy{results};
    RecordWriter report{copy};
    RunContext context{f.state, report, f.console, f.messages};
    std::optional<DataEnd> end;
    std::string atRead;
    std::size_t reportsBefore = 0;
};

TEST(DataPreservation, AnySequenceOfReadAndSolveKeepsTheData) {
    const std::string dir = testing::scratchDirectory("preservation");
    for (int seed = 1; seed <= kCases; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 rng(static_cast<unsigned>(seed));
        Session session(dir + "/data.txt");
        std::uint32_t options = rng();
        testing::applyOptionBits(session.f.state, options);
        testing::writeFile(session.path, RandomDataFile(rng).text(session.f.state));
        ASSERT_TRUE(session.results.open(session.path));

        for (int step = 0, steps = 2 + static_cast<int>(rng() % 6); step < steps; ++step) {
            switch (rng() % 4) {
                case 0:  // the user changes options; a Read done stays valid
                    options = rng();
                    testing::applyOptionBits(session.f.state, options);
                    break;
                case 1: session.read(options); break;
                default:
                    if (session.f.state.DATE_CITITE) session.solve();
                    break;
            }
            if (::testing::Test::HasFatalFailure()) return;
        }
    }
}

}  // namespace
}  // namespace corvane
