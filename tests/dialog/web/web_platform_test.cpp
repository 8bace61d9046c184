// The dialog's desktop services for the web page, against a page that
// records what it is told and answers from a script: the runs' messages and
// their stop, the editor's saves, the controls' states the user changed.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "dialog/file_pages.h"
#include "dialog/web/web_platform.h"
#include "dialog/web/web_view.h"
#include "support/cli_runner.h"

namespace corvane::testing {
namespace {

class ScriptedPage : public PageChannel {
public:
    std::vector<Json> posted;
    std::vector<Json> questions;
    std::deque<PageAnswer> answers;  // the next question's answer first
    bool stop = false;
    double clock = 0;
    double tick = 0;  // ms the clock moves at each reading

    void post(const Json& message) override { posted.push_back(message); }
    PageAnswer ask(const Json& question, std::string_view) override {
        questions.push_back(question);
        PageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    bool stopRequested() override { return stop; }
    void clearStop() override { stop = false; }
    double now() override { return clock += tick; }
    void syncFiles() override {}
    void soon(std::function<void()>) override {}

    std::vector<Json> runMessages() const {
        std::vector<Json> found;
        for (const Json& message : posted) {
            if (message.value("t", "") == "run") found.push_back(message);
        }
        return found;
    }
};

// A Cancel of an earlier run does not stop the next one; the page hears the
// start, where the run stands no oftener than every 50 ms, and the end,
// which comes before the run's own end on the dialog's side.
TEST(WebPlatform, ARunStartsWithoutAnEarlierStopAndTellsWhereItStandsEvery50Ms) {
    ScriptedPage page;
    page.stop = true;
    page.tick = 7;
    WebPlatform platform(page);
    bool stoppedAtOnce = true;
    std::size_t postedBeforeDone = 0;
    platform.runInBackground({[&](RunProgress& progress) {
                                  stoppedAtOnce = progress.stopRequested();
                                  for (int step = 1; step <= 100; ++step) progress.reached(RunPhase::Elimination, step, 100);
                              },
                              [&] { postedBeforeDone = page.posted.size(); }, true, 2});
    EXPECT_FALSE(stoppedAtOnce);
    const std::vector<Json> messages = page.runMessages();
    ASSERT_GE(messages.size(), 3u);
    EXPECT_EQ(messages.front().value("op", ""), "start");
    EXPECT_TRUE(messages.front().value("cancellable", false));
    EXPECT_EQ(messages.back().value("op", ""), "end");
    EXPECT_EQ(postedBeforeDone, page.posted.size());
    // 100 steps of 7 ms: about 700 / 50 reports, never two within 50 ms.
    const std::size_t reports = messages.size() - 2;
    EXPECT_GE(reports, 10u);
    EXPECT_LE(reports, 14u);
    for (std::size_t k = 1; k + 1 < messages.size(); ++k) {
        EXPECT_EQ(messages[k].value("op", ""), "progress");
        EXPECT_NE(messages[k].value("text", ""), "");
    }
}

// The editor's text comes back with line feeds; the file keeps each line's
// own line end, and a save that cannot be written is told to the page.
TEST(WebPlatform, TheEditorWritesBackWithTheFilesLineEndsAndTellsAFailedSave) {
    const std::string directory = scratchDirectory("web-platform-editor");
    writeFile(directory + "/data.dat", "Doua\r\n2 1\r\n2 1\r\n1 3\r\n3 5\r\n");
    const struct {
        std::string path;
        std::string edited;
        bool saved;
        std::string after;
    } cases[] = {
        {directory + "/data.dat", "Doua\n2 1\n2 1\n1 3\n3 4\n", true, "Doua\r\n2 1\r\n2 1\r\n1 3\r\n3 4\r\n"},
        {directory + "/missing/new.dat", "1\n", false, ""},
    };
    for (const auto& c : cases) {
        ScriptedPage page;
        page.answers.push_back({{{"action", "save"}}, c.edited});
        page.answers.push_back({{{"action", "close"}}, ""});
        WebPlatform platform(page);
        platform.editFile(c.path);
        ASSERT_EQ(page.questions.size(), 2u) << c.path;
        EXPECT_EQ(page.questions[0].value("q", ""), "edit");
        EXPECT_TRUE(page.questions[1].value("again", false));
        EXPECT_EQ(page.questions[1].value("saved", !c.saved), c.saved) << c.path;
        if (c.saved) {
            EXPECT_EQ(readFile(c.path), c.after);
        }
    }
}

// What the user did on the page reaches the controller's reading of the
// controls; a list selection beyond the entries is none.
// A question's answers go to the page in order, with the one Enter takes and
// the one Escape takes; the page's choice comes back as its index.
TEST(WebPlatform, AQuestionOffersItsAnswersAndReturnsTheChosenIndex) {
    ScriptedPage page;
    page.answers.push_back({Json{{"answer", 2}}, ""});
    page.answers.push_back({Json::object(), ""});  // no answer: the page closed it
    WebPlatform platform(page);
    const Question question{"Titlu", "Text", {"Citeste din nou", "Rezolva", "Renunta"}, 0, 2};
    EXPECT_EQ(platform.ask(question), 2);
    EXPECT_EQ(platform.ask(question), 2);
    const Json& asked = page.questions.front();
    EXPECT_EQ(asked.value("q", ""), "question");
    EXPECT_EQ(asked["answers"], Json({"Citeste din nou", "Rezolva", "Renunta"}));
    EXPECT_EQ(asked.value("preferred", -1), 0);
    EXPECT_EQ(asked.value("escape", -1), 2);
}

// A file too large to edit is sent a page of whole lines at a time, in the
// language asked for, as the buttons move: next, last, previous, first, close.
TEST(WebPlatform, AFileTooLargeToEditIsSentAPageAtATime) {
    const std::string directory = scratchDirectory("web-platform-view");
    std::string text;
    for (int line = 1; text.size() < FilePages::kPageBytes * 5 / 2; ++line) text += "line " + std::to_string(line) + "\r\n";
    writeFile(directory + "/large.txt", text);
    ScriptedPage page;
    for (const char* action : {"next", "last", "previous", "first", "close"}) page.answers.push_back({Json{{"action", action}}, ""});
    WebPlatform platform(page);
    platform.viewFile(directory + "/large.txt", 2);
    ASSERT_EQ(page.questions.size(), 5u);
    std::string shown;
    for (const Json& question : page.questions) {
        EXPECT_EQ(question.value("q", ""), "viewPage");
        EXPECT_EQ(question.value("count", 0), 3);
        EXPECT_EQ(question.value("pageOf", ""), "of 3");
    }
    const int pages[] = {1, 2, 3, 2, 1};
    for (std::size_t k = 0; k < 5; ++k) EXPECT_EQ(page.questions[k].value("page", 0), pages[k]) << k;
    for (int k : {0, 1, 2}) shown += page.questions[k].value("text", "");
    EXPECT_EQ(shown, text);  // pages of whole lines, the file's own line ends
    EXPECT_NE(page.questions[0].value("title", "").find("large.txt"), std::string::npos);
    EXPECT_NE(page.questions[0].value("note", "").find("(3 MB)"), std::string::npos);
}

TEST(WebView, TakesTheUsersChangesOfRadioGroupsEditsAndLists) {
    ScriptedPage page;
    WebView view(page);
    view.appendListEntry(7, "Gauss");
    view.appendListEntry(7, "LU");
    const struct {
        Json change;
        int list;
    } cases[] = {
        {{{"id", 7}, {"selection", 2}}, 2},
        {{{"id", 7}, {"selection", 3}}, 0},
        {{{"id", 7}, {"selection", 0}}, 0},
    };
    for (const auto& c : cases) {
        view.takeUserChange(c.change);
        EXPECT_EQ(view.listSelection(7), c.list) << c.change.dump();
    }
    view.takeUserChange({{"id", 1}, {"checked", {{"1", true}, {"2", false}}}});
    EXPECT_TRUE(view.isChecked(1));
    EXPECT_FALSE(view.isChecked(2));
    view.takeUserChange({{"id", 5}, {"text", "1e-5"}});
    EXPECT_EQ(view.text(5), "1e-5");
    page.posted.clear();
    view.takeUserChange({{"id", 5}, {"text", "2e-5"}});
    EXPECT_TRUE(page.posted.empty());  // the page shows it already
}

}  // namespace
}  // namespace corvane::testing
