#include "dialog/web/web_platform.h"

#include "dialog/web/web_omega_explorer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/method_comparison.h"
#include "app/numbered_marks.h"
#include "app/progress_text.h"
#include "app/step_sentences.h"
#include "app/step_texts.h"
#include "dialog/chart_texts.h"
#include "dialog/file_pages.h"
#include "dialog/page_view_texts.h"
#include "dialog/run_texts.h"
#include "dialog/text_file.h"
#include "textio/decimal_text.h"

namespace corvane {
namespace {

constexpr double kProgressMilliseconds = 50;  // how often a run tells the page where it stands

std::string_view iconName(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Error: return "error";
        case MessageIcon::Information: return "information";
        case MessageIcon::None: return "none";
    }
    return "none";
}

std::string_view kindName(FileKind kind) {
    switch (kind) {
        case FileKind::Data: return "data";
        case FileKind::Text: return "text";
        case FileKind::MatrixMarket: return "matrixMarket";
    }
    return "data";
}

// A number for the page: JSON has no infinity and no NaN, so these go as the
// words JavaScript's Number() reads.
Json number(double value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
    return value;
}

// A value as the comparison shows it, or "" for none.
std::string brief(const std::optional<double>& value) {
    if (!value) return {};
    char text[32];
    std::snprintf(text, sizeof text, "%.1E", *value);
    return text;
}

std::string seconds(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2E", value);
    return text;
}

std::optional<std::string> wholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return std::move(bytes).str();
}

// Where a run stands, told to the page at most every twentieth of a second,
// with what the run has written to the working folder meanwhile.
class PageProgress : public RunProgress {
public:
    PageProgress(PageChannel& page, int language, bool measured)
        : page_(page), language_(language), measured_(measured), told_(page.now()) {}

    void reached(RunPhase phase, int step, int total) override {
        where_ = {phase, step, total, true};
        const double now = page_.now();
        if (now - told_ < kProgressMilliseconds) return;
        told_ = now;
        tell();
    }
    bool stopRequested() const override { return page_.stopRequested(); }

    void tell() {
        Json message{{"t", "run"}, {"op", "progress"}, {"fraction", nullptr}};
        if (measured_) {
            message["text"] = progressText(where_, language_);
            if (const std::optional<double> fraction = progressFraction(where_)) message["fraction"] = *fraction;
        } else {
            message["text"] = runTexts(language_).importing;
        }
        page_.post(message);
        page_.syncFiles();
    }

private:
    PageChannel& page_;
    int language_;
    bool measured_;
    double told_;
    ProgressSnapshot where_;
};

// The comparison's status line, told to the page at most every twentieth of
// a second: "Running... lu: Factorisation: step 480 of 4000". The page's
// Stop is seen at the next step boundary of any method.
class ComparisonStatus : public RunProgress {
public:
    ComparisonStatus(PageChannel& page, int language) : page_(page), language_(language), told_(page.now()) {}

    void methodStarted(Method method) {
        method_ = method;
        where_ = {};
        tell();
    }
    void reached(RunPhase phase, int step, int total) override {
        where_ = {phase, step, total, true};
        if (page_.now() - told_ >= kProgressMilliseconds) tell();
    }
    bool stopRequested() const override { return page_.stopRequested(); }

private:
    void tell() {
        told_ = page_.now();
        std::string text(comparisonTexts(language_).running);
        if (method_ != Method::None) text += " " + std::string(methodName(method_)) + ": " + progressText(where_, language_);
        page_.post({{"t", "comparison"}, {"op", "status"}, {"text", text}});
    }

    PageChannel& page_;
    int language_;
    double told_;
    Method method_ = Method::None;
    ProgressSnapshot where_;
};

Json comparisonRowCells(const ComparisonRow& row, int language) {
    return {
        std::string(methodName(row.method)),
        row.rhs > 0 ? std::to_string(row.rhs) : std::string(),
        std::string(outcomeText(row.outcome, language)),
        seconds(row.seconds),
        brief(row.residual),
        brief(row.error ? std::optional<double>(row.error->largest) : std::nullopt),
        brief(row.error ? std::optional<double>(row.error->relative) : std::nullopt),
        row.sweeps ? std::to_string(*row.sweeps) : std::string(),
    };
}

// The value a row's bar shows: the error against the exact answer when it
// is known, else the residual.
Json chartedValue(const ComparisonRow& row, bool errors) {
    if (errors) return row.error ? number(row.error->largest) : Json(nullptr);
    return row.residual ? number(*row.residual) : Json(nullptr);
}

// The cond1 estimate, then a line for each method not run.
std::vector<std::string> comparisonSummary(const Comparison& comparison, int language) {
    const ComparisonTexts& texts = comparisonTexts(language);
    std::vector<std::string> lines;
    if (comparison.conditionOne) lines.push_back(std::string(texts.conditionOne) + " " + brief(comparison.conditionOne));
    for (const RefusedMethod& refused : comparison.refused) {
        lines.push_back(std::string(methodName(refused.method)) + " " + std::string(texts.notRun) + ": " + refused.reason);
    }
    return lines;
}

// A window the user closes, or whose buttons the worker serves while it is
// open: asks until the page answers that it was closed.
template <typename OnAction>
void askUntilClosed(PageChannel& page, Json question, OnAction onAction) {
    for (;;) {
        const PageAnswer answer = page.ask(question);
        const std::string action = answer.value.value("action", "close");
        if (action == "close") return;
        onAction(action, answer, question);
        question["again"] = true;
    }
}

}  // namespace

void PageMessages::show(std::string_view text, std::string_view title, MessageIcon icon) {
    page_.post({{"t", "message"}, {"text", text}, {"title", title}, {"icon", iconName(icon)}});
}

WebPlatform::WebPlatform(PageChannel& page) : page_(page), messages_(page) {}

WebPlatform::~WebPlatform() = default;

std::optional<std::string> WebPlatform::chooseFile(const FileRequest& request) {
    const PageAnswer answer = page_.ask({{"q", "chooseFile"},
                                         {"title", request.title},
                                         {"kind", kindName(request.kind)},
                                         {"proposedName", request.proposedName},
                                         {"confirmReplace", request.confirmReplace}});
    const auto path = answer.value.find("path");
    if (path == answer.value.end() || !path->is_string()) return std::nullopt;
    return path->get<std::string>();
}

// The editor: the page edits the text with line feeds; each Save comes back
// here and is written with each line's own line end, as the desktop's editor
// writes it, in place.
void WebPlatform::editFile(const std::string& path) {
    std::error_code error;
    std::string loaded;
    if (std::filesystem::exists(path, error)) {
        std::optional<std::string> bytes = wholeFile(path);
        if (!bytes) {
            messages_.show("Cannot read the file:\n" + path, "Error", MessageIcon::Error);
            return;
        }
        loaded = std::move(*bytes);
    }
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    Json question{{"q", "edit"},
                  {"name", absolute.filename().string()},
                  {"folder", absolute.parent_path().string()}};
    for (bool first = true;; first = false) {
        const PageAnswer answer = page_.ask(question, first ? std::string_view(loaded) : std::string_view());
        if (answer.value.value("action", "close") != "save") return;
        std::string saved = withOriginalLineEnds(loaded, answer.bytes);
        question["again"] = true;
        question["saved"] = writeTextFile(path, saved);
        if (question["saved"]) loaded = std::move(saved);
        page_.syncFiles();
    }
}

std::optional<std::string> WebPlatform::findFile(const std::string& name) {
    std::error_code error;
    if (std::filesystem::is_regular_file(name, error)) return name;
    return std::nullopt;
}

void WebPlatform::showDataFileHelp(const DataFileHelpWindow& window, const std::function<void()>& onSave) {
    askUntilClosed(page_,
                   {{"q", "dataFileHelp"},
                    {"title", window.title},
                    {"layoutText", withLineFeeds(window.layoutText)},
                    {"kindsText", withLineFeeds(window.kindsText)},
                    {"saveCaption", window.saveCaption}},
                   [&](const std::string& action, const PageAnswer&, Json&) {
                       if (action == "save") {
                           onSave();
                           page_.syncFiles();
                       }
                   });
}

void WebPlatform::showIterationHelp(const IterationHelpWindow& window) {
    askUntilClosed(page_,
                   {{"q", "iterationHelp"},
                    {"title", window.title},
                    {"epsText", withLineFeeds(window.epsText)},
                    {"nlimText", withLineFeeds(window.nlimText)},
                    {"omegaText", withLineFeeds(window.omegaText)}},
                   [](const std::string&, const PageAnswer&, Json&) {});
}

void WebPlatform::showAbout(const AboutWindow& window) {
    askUntilClosed(page_, {{"q", "about"}, {"title", window.title}, {"text", withLineFeeds(window.text)}},
                   [](const std::string&, const PageAnswer&, Json&) {});
}

void WebPlatform::showConvergenceChart(const IterationHistory& history, float eps, int language) {
    const ConvergenceChartTexts& texts = convergenceChartTexts(language);
    Json sides = Json::array();
    for (const RightHandSideHistory& side : history.rightHandSides()) {
        Json dx = Json::array();
        for (float value : side.dx) dx.push_back(number(value));
        sides.push_back({{"dx", dx}, {"end", side.end ? Json(outcomeText(*side.end, language)) : Json(nullptr)}});
    }
    page_.post({{"t", "chart"},
                {"eps", number(eps)},
                {"sides", sides},
                {"texts",
                 {{"windowTitle", texts.windowTitle},
                  {"sweepAxis", texts.sweepAxis},
                  {"differenceAxis", texts.differenceAxis},
                  {"epsLine", texts.epsLine},
                  {"notShownBelow", texts.notShownBelow},
                  {"notShownAbove", texts.notShownAbove}}}});
}

// One explorer at a time: a new one ends the one before.
void WebPlatform::showOmegaExplorer(const OmegaExplorerRequest& request) {
    explorer_.reset();
    explorer_ = std::make_unique<WebOmegaExplorer>(page_, request);
}

void WebPlatform::stopOmegaExplorer() {
    if (explorer_) explorer_->stop();
}

void WebPlatform::useExplorerOmega(std::size_t row) {
    if (explorer_) explorer_->use(row);
}

void WebPlatform::explorePastGrowth(bool on) {
    if (explorer_) explorer_->restart(on);
}

// The methods run in the worker one after the other, each method's rows
// told to the page as it ends; the page's Stop is seen between methods.
void WebPlatform::showComparison(const ComparisonRequest& request) {
    const int language = request.language;
    const bool errors = request.exact.has_value();
    const ComparisonTexts& texts = comparisonTexts(language);
    const ComparedQuantityTexts& quantities = comparedQuantityTexts(language, request.read.INVERSARE);
    page_.clearStop();
    page_.post({{"t", "comparison"},
                {"op", "open"},
                {"texts",
                 {{"windowTitle", texts.windowTitle},
                  {"columns",
                   {texts.methodColumn, texts.rhsColumn, texts.outcomeColumn, texts.secondsColumn,
                    quantities.residualColumn, quantities.errorColumn, texts.relativeColumn, texts.sweepsColumn}},
                  {"axis", errors ? quantities.errorAxis : quantities.residualAxis},
                  {"zeroNote", texts.zeroNote},
                  {"running", texts.running},
                  {"stop", texts.cancel},
                  {"close", texts.close}}}});
    ComparisonStatus status(page_, language);
    ComparisonHooks hooks;
    hooks.methodStarted = [&](Method method) { status.methodStarted(method); };
    hooks.rowsReady = [&](const std::vector<ComparisonRow>& rows) {
        Json shown = Json::array();
        for (const ComparisonRow& row : rows) {
            std::string category(methodName(row.method));
            if (row.rhs > 0) category += " #" + std::to_string(row.rhs);
            shown.push_back(
                {{"cells", comparisonRowCells(row, language)}, {"category", category}, {"value", chartedValue(row, errors)}});
        }
        page_.post({{"t", "comparison"}, {"op", "rows"}, {"rows", shown}});
    };
    const Comparison comparison = compareMethods(request.read, request.exact, hooks, &status);
    page_.post({{"t", "comparison"},
                {"op", "done"},
                {"status", comparison.cancelled ? texts.cancelled : texts.done},
                {"summary", comparisonSummary(comparison, language)}});
}

void WebPlatform::showSteps(const StepsRequest& request) {
    steps_ = request;
    const StepViewTexts& t = stepViewTexts(request.language);
    const StepColours& c = kStepColours;
    page_.post({{"t", "steps"},
                {"op", "open"},
                {"count", request.steps.steps.size()},
                {"columns", stepColumnNames(request.steps)},
                {"texts",
                 {{"title", fillIn(t.title, {stepsMethodName(request.steps.method)})},
                  {"first", t.first}, {"previous", t.previous}, {"next", t.next}, {"last", t.last},
                  {"close", t.close}, {"keys", t.keys}, {"legend", t.legend}, {"pivot", t.pivot},
                  {"searched", t.searched}, {"changed", t.changed}, {"used", t.used}, {"stored", t.stored},
                  {"exchanged", t.exchanged}}},
                {"colours",
                 {{"pivot", c.pivot}, {"searched", c.searched}, {"changed", c.changed}, {"used", c.used},
                  {"stored", c.stored}, {"exchanged", c.exchanged}}}});
    showStep(0);
}

// Each row: its cells in the order of stepRow (the marks as bits, a rule
// before each block after A) and its note.
void WebPlatform::showStep(std::size_t index) {
    if (!steps_ || index >= steps_->steps.steps.size()) return;
    const MethodSteps& run = steps_->steps;
    const Step& step = run.steps[index];
    const int language = steps_->language;
    Json rows = Json::array();
    for (int i = 1; i <= run.n; ++i) {
        Json cells = Json::array();
        for (const StepCell& cell : stepRow(step, i)) {
            cells.push_back({{"text", (cell.marks & kEmptyMark) ? std::string() : stepNumber(cell.value)},
                             {"marks", cell.marks},
                             {"rule", cell.startsBlock}});
        }
        rows.push_back({{"exchanged", i == step.exchanged[0] || i == step.exchanged[1]},
                        {"cells", cells},
                        {"note", rowNoteText(step, i, language)}});
    }
    const int count = static_cast<int>(run.steps.size());
    page_.post({{"t", "steps"},
                {"op", "step"},
                {"index", index},
                {"sentence", stepSentence(run, index, language)},
                {"position", fillIn(stepViewTexts(language).stepOf, {static_cast<int>(index) + 1, count})},
                {"rows", rows}});
}

void WebPlatform::showNote(const Note& note, int language) {
    note_ = note;
    page_.post({{"t", "note"}, {"title", note.title.in(language)}, {"text", note.text.in(language)}});
}

// The page tells the note again in the new language if it is still open.
void WebPlatform::setLanguage(int language) {
    if (!note_) return;
    page_.post({{"t", "noteLanguage"}, {"title", note_->title.in(language)}, {"text", note_->text.in(language)}});
}

int WebPlatform::ask(const Question& question) {
    const PageAnswer answer = page_.ask({{"q", "question"},
                                         {"title", question.title},
                                         {"question", question.text},
                                         {"answers", question.answers},
                                         {"preferred", question.preferred},
                                         {"escape", question.escape}});
    return answer.value.value("answer", question.escape);
}

namespace {

// The page view's question for page `index` of the file.
Json pageQuestion(const std::string& path, const FilePages& pages, int index, int language) {
    const PageViewTexts& texts = pageViewTexts(language);
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    char megabytes[32];
    std::snprintf(megabytes, sizeof megabytes, "%.0f", static_cast<double>(pages.fileBytes()) / (1024.0 * 1024.0));
    std::string text;
    try {
        text = pages.page(index);
    } catch (const std::runtime_error& failure) {
        text = std::string(texts.cannotRead) + "\n" + failure.what();
    }
    return {{"q", "viewPage"},
            {"title", absolute.filename().string() + " " + std::string(texts.readOnly) + " - " + absolute.parent_path().string()},
            {"note", withNumberedMarks(texts.note, {megabytes})},
            {"page", index + 1},
            {"pageOf", withNumberedMarks(texts.pageOf, {std::to_string(pages.count())})},
            {"count", pages.count()},
            {"text", text},
            {"captions", {texts.first, texts.previous, texts.next, texts.last, texts.close}}};
}

}  // namespace

// A file too large to edit: one page of whole lines at a time, read-only;
// only the page shown is read and sent.
void WebPlatform::viewFile(const std::string& path, int language) {
    std::error_code error;
    const std::optional<FilePages> pages = FilePages::open(path, error);
    if (!pages) {
        messages_.show(std::string(pageViewTexts(language).cannotRead) + "\n" + path + "\n" + error.message(), "Error",
                       MessageIcon::Error);
        return;
    }
    int index = 0;
    for (;;) {
        const PageAnswer answer = page_.ask(pageQuestion(path, *pages, index, language));
        const std::string action = answer.value.value("action", "close");
        if (action == "first") index = 0;
        else if (action == "previous") index = std::max(index - 1, 0);
        else if (action == "next") index = std::min(index + 1, pages->count() - 1);
        else if (action == "last") index = pages->count() - 1;
        else return;
    }
}

void WebPlatform::setBusy(bool busy) { page_.post({{"t", "busy"}, {"on", busy}}); }

void WebPlatform::runInBackground(BackgroundRun run) {
    const RunTexts& texts = runTexts(run.language);
    page_.clearStop();
    page_.post({{"t", "run"},
                {"op", "start"},
                {"cancellable", run.cancellable},
                {"texts",
                 {{"windowTitle", texts.windowTitle},
                  {"importing", texts.importing},
                  {"cancel", texts.cancel},
                  {"stopping", texts.stopping},
                  {"stopQuestion", texts.stopQuestion},
                  {"stopTitle", texts.stopTitle}}}});
    PageProgress progress(page_, run.language, run.cancellable);
    run.work(progress);
    page_.syncFiles();
    page_.post({{"t", "run"}, {"op", "end"}});
    if (run.done) run.done();
}

}  // namespace corvane
