// Faults found by fuzzing and by review, each pinned by the smallest case that
// showed it.

#include <gtest/gtest.h>

#include <stdexcept>

#include "app/dispatcher.h"
#include "problem/input_file.h"
#include "textio/record_writer.h"
#include "support/cli_runner.h"
#include "support/recording_messages.h"
#include "support/run_fixture.h"

namespace corvane {
namespace {

// Cholesky chosen, then the matrix type switched back to general (the dialog
// allows it): reciprocals went to the packed triangle, which a general read
// does not build, and wrote through an empty array.
TEST(Findings, ReciprocalsWithCholeskyAndTheGeneralLayout) {
    for (bool earlierSymmetricRead : {false, true}) {
        ProblemState s;
        INITIALIZEDATA(s);
        testing::RecordingMessages messages;
        s.IMETODA = Method::Cholesky;
        if (earlierSymmetricRead) {
            s.GENERALA = false;
            s.SIMETRICA = true;
            ASSERT_TRUE(readProblemText(s, "t\n2 1\n4 2\n8\n1 1\n", messages));
        }
        s.GENERALA = true;
        s.SIMETRICA = false;
        s.INVERS_ELEMENTE = true;
        ASSERT_TRUE(readProblemText(s, "t\n2 1\n2 4\n0.5 8\n1 1\n", messages));
        EXPECT_EQ(s.A(1, 1), 0.5f);
        EXPECT_EQ(s.A(1, 2), 0.25f);
        EXPECT_EQ(s.A(2, 1), 2.0f);
        EXPECT_EQ(s.A(2, 2), 0.125f);
        EXPECT_FALSE(s.AV_INPUT) << "a general read leaves no triangle for Cholesky";
    }
}

// SOLVE with no method chosen writes the run header only; it stayed in the
// results file's buffer after SOLVE had returned, unwritten and unchecked.
TEST(Findings, EveryRunIsOnDiskWhenSolveReturns) {
    const std::string path = testing::scratchDirectory("no-method") + "/data.txt";
    const std::string data = "t\n1 1\n2\n4\n";
    testing::writeFile(path, data);
    testing::RunFixture f;
    ResultsFile results;
    ASSERT_TRUE(results.open(path));
    ASSERT_TRUE(READINPUTFILE(f.state, results, f.messages));
    RecordWriter report(results);
    RunContext context{f.state, report, f.console, f.messages};
    ASSERT_EQ(f.state.IMETODA, Method::None);
    EXPECT_EQ(CORVANEAPPLY(context), SolveOutcome::Ran);
    EXPECT_EQ(testing::readFile(path).rfind(data + "\r\nProblema: Sistem liniar\r\n", 0), 0u) << testing::readFile(path);
}

StringSink sink;

void write(std::string_view format, std::initializer_list<Item> items) {
    RecordWriter writer(sink);
    writer.write(RuntimeFormat{std::string(format)}, items);
}

// Items left over and a repeated part of the list that takes none of them:
// the writer went round for ever.
TEST(Findings, FormatListThatWouldRepeatForEver) {
    EXPECT_THROW(write("(i2, (1x))", {1, 2}), std::logic_error);
    EXPECT_THROW(write("(/, a, 0(i1, 8x))", {"P:", 1}), std::logic_error);
    // A repeated part that takes items still goes round as often as needed.
    sink.clear();
    write("(a, (i2))", {"k", 1, 2, 3});
    EXPECT_EQ(sink.text(), "k 1\r\n 2\r\n 3\r\n");
}

// gw.d and ew.d with more digits than the field buffers hold overran a stack
// buffer; a huge number in a list overflowed an int.
TEST(Findings, FormatNumbersBeyondTheFieldLimits) {
    EXPECT_THROW(write("(g50.41)", {1.0f}), std::logic_error);
    EXPECT_THROW(write("(1pe80.76)", {1.0f}), std::logic_error);
    EXPECT_THROW(write("(i99999999999)", {1}), std::logic_error);
    EXPECT_THROW(write("(4294967297x, a)", {"a"}), std::logic_error);
    sink.clear();
    write("(1pe46.40)", {0.5f});
    EXPECT_EQ(sink.text(), "5." + std::string(40, '0') + "E-01\r\n");
}

}  // namespace
}  // namespace corvane
