#pragma once
// The behaviour of the main dialog: startup states, the control events and
// their enabling rules, the captions of both languages, the results file, the
// help windows and the About box. It works on the problem state and the
// results file and talks to the window only through DialogView and to the
// desktop only through DialogPlatform.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dialog/captions.h"
#include "dialog/dialog_platform.h"
#include "dialog/dialog_view.h"
#include "dialog/help_texts.h"
#include "app/dispatcher.h"
#include "app/iteration_history.h"
#include "app/solution_error_note.h"
#include "problem/problem_state.h"
#include "textio/record_sink.h"
#include "textio/results_file.h"

namespace corvane {

struct SolveRun;

class DialogController {
public:
    DialogController(ProblemState& state, ResultsFile& file, DialogView& view, DialogPlatform& platform,
                     RecordSink& console);

    // Defaults of the problem state, initial control states, Romanian
    // captions and the help texts; called once before the dialog is shown.
    void start();

    // A user action on a control of the main dialog (a click, a selection
    // change, an edit). Ids without a callback are ignored. Whatever goes
    // wrong is told in a message; the dialog keeps running.
    void onControl(int id);

    // May SOLVE be pressed now.
    bool ENABLE_REZOLVA() const;

    // Whether a Read or a SOLVE runs off the dialog's thread now.
    bool running() const { return running_; }

    // IESIRE or the close box: true when the dialog may close now. During a
    // run the user is asked whether to stop it; yes stops it first.
    bool mayClose();

    // The explorer's "use this omega": the Omega field and its text in the
    // problem state take this factor, as if the user had typed it.
    void useOmega(float omega);

private:
    void dispatch(int id);
    void INITIALIZECONTROLS();
    void SUB_GENERAL(int id);
    void EN_DISABLE_CONDITIE();
    void SET_GS_CONTROLS();
    void SET_TITLES();
    void SUB_SELECT();
    void forgetDataFile();
    bool useDataFile(const std::optional<std::string>& chosen);
    void importMatrix();
    void SUB_OPEN();
    void SUB_HELP();
    void SUB_SAVE();
    void SUB_HELP_GS();
    void SUB_GENHELP();
    void SUB_ABOUT();
    void solve();
    void finishSolve(SolveRun& run, bool failed);
    void runOffThread(std::function<void(RunProgress&)> work, std::function<void(bool failed)> finish, bool cancellable);
    void beginRun();
    void endRun();
    void showSolutionNote(const std::optional<double>& conditionOne, const std::optional<ProblemState>& read,
                          const std::optional<KnownAnswer>& answer, const std::optional<RealMatrix>& solutions);
    void keepSweeps(const IterationHistory& history);
    void showConvergenceChart();
    void showOmegaExplorer();
    void showComparison();

    void chooseLanguage(int language);
    void chooseProblemKind(int id, bool on);
    void chooseMethod();
    void readDataFile();
    void showInfiniteReciprocalNote();
    void updateActions();
    void updateExplorer();
    void setCaption(int id);
    std::string currentDirectory() const;

    ProblemState& state_;
    ResultsFile& file_;
    DialogView& view_;
    DialogPlatform& platform_;
    RecordSink& console_;
    CaptionTable TITLU;
    HelpTexts helpTexts_;
    bool running_ = false;
    std::vector<std::pair<int, bool>> enabledBeforeRun_;  // the controls a run disabled, as they were
    std::optional<IterationHistory> lastSweeps_;  // of the last SOLVE, when it was Gauss-Seidel or SOR
    float lastEps_ = 0;
};

}  // namespace corvane
