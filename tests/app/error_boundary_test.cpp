#include "app/error_boundary.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "textio/record_writer.h"
#include "support/recording_messages.h"

namespace corvane {
namespace {

TEST(ErrorBoundary, EveryExceptionBecomesAnErrorMessageAndAnOutcome) {
    struct Case {
        const char* name;
        std::function<void()> action;
        ActionOutcome outcome;
        std::string text;  // of the message
    };
    const Case cases[] = {
        {"out of memory", [] { throw std::bad_alloc(); }, ActionOutcome::OutOfMemory,
         "Not enough memory for this problem."},
        {"failed write", [] { throw WriteError("cannot write the results file: No space left on device"); },
         ActionOutcome::WriteFailed, "cannot write the results file: No space left on device"},
        {"standard exception", [] { throw std::runtime_error("the matrix went away"); }, ActionOutcome::Failed,
         "the matrix went away"},
        {"format list refused by the writer",
         [] {
             StringSink sink;
             RecordWriter(sink).write("(i3)", {"text where a number belongs"});
         },
         ActionOutcome::Failed, "item of the wrong type"},
        {"not a standard exception", [] { throw 42; }, ActionOutcome::Failed,
         "An unexpected failure stopped this action."},
    };
    for (const Case& c : cases) {
        testing::RecordingMessages messages;
        EXPECT_EQ(runGuarded(c.action, messages), c.outcome) << c.name;
        ASSERT_EQ(messages.shown.size(), 1u) << c.name;
        EXPECT_EQ(messages.shown[0].title, "Error") << c.name;
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error) << c.name;
        EXPECT_NE(messages.shown[0].text.find(c.text), std::string::npos) << c.name << ": " << messages.shown[0].text;
    }
}

TEST(ErrorBoundary, AnActionThatReturnsShowsNothing) {
    testing::RecordingMessages messages;
    bool ran = false;
    EXPECT_EQ(runGuarded([&] { ran = true; }, messages), ActionOutcome::Completed);
    EXPECT_TRUE(ran);
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace corvane
