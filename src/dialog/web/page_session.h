#pragma once
// The dialog in the page's worker: the problem state, the results file, the
// controls as the page shows them and the controller that joins them, and
// the page's events passed on to them.

#include "dialog/dialog_controller.h"
#include "dialog/web/web_platform.h"
#include "dialog/web/web_view.h"
#include "problem/problem_state.h"
#include "textio/results_file.h"
#include "textio/standard_output_sink.h"

namespace corvane {

class PageSession {
public:
    explicit PageSession(PageChannel& page);
    PageSession(const PageSession&) = delete;
    PageSession& operator=(const PageSession&) = delete;

    // Tells the page how to build its windows, then starts the controller.
    void start();

    // One event of the page: a control the user worked ("control", with the
    // control's new state), the request to end the dialog ("close"), a
    // button of the relaxation explorer ("explorerStop", "explorerUse",
    // "explorerPastGrowth"), or
    // the step the step-by-step window moves to ("step").
    void handle(const Json& event);

private:
    PageChannel& page_;
    ProblemState state_;
    ResultsFile file_;
    StandardOutputSink console_;
    WebView view_;
    WebPlatform platform_;
    DialogController controller_;
};

}  // namespace corvane
