#pragma once
// One running main dialog: the problem state, the results file, the window
// and the controller that joins them, started and ready to be shown.

#include "dialog/dialog_controller.h"
#include "dialog/qt/main_dialog.h"
#include "textio/standard_output_sink.h"
#include "problem/problem_state.h"
#include "textio/results_file.h"

namespace corvane {

class DialogSession {
public:
    explicit DialogSession(DialogPlatform& platform);
    // A run still going is stopped first: it works on this session's state.
    ~DialogSession();
    DialogSession(const DialogSession&) = delete;
    DialogSession& operator=(const DialogSession&) = delete;

    MainDialog& dialog() { return dialog_; }
    ProblemState& state() { return state_; }
    ResultsFile& resultsFile() { return file_; }

private:
    DialogPlatform& platform_;
    ProblemState state_;
    ResultsFile file_;
    StandardOutputSink console_;
    MainDialog dialog_;
    DialogController controller_;
};

}  // namespace corvane
