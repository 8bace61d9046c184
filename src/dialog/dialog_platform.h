#pragma once
// What the dialog needs from the desktop besides its own window: message
// boxes, the file-open dialog, the editor, the file search along the program
// search path, the modal help windows and About box, the convergence chart
// and the relaxation explorer beside the dialog, the wait cursor, and the
// runs off the dialog's thread with their progress window.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/iteration_history.h"
#include "app/method_steps.h"
#include "app/true_error.h"
#include "dialog/help_texts.h"
#include "problem/messages.h"
#include "problem/problem_state.h"
#include "problem/run_progress.h"

namespace corvane {

enum class FileKind { Data, Text, MatrixMarket };  // a Matrix Market file must exist

struct FileRequest {
    std::string title;
    FileKind kind;
    std::string proposedName;      // shown as the initial file name
    std::string initialDirectory;  // empty: the dialog's own choice
    bool confirmReplace = false;   // ask before an existing file is replaced
};

// The relaxation explorer on the read problem.
struct OmegaExplorerRequest {
    ProblemState read;          // the read problem with the dialog's EPS and NLIM texts
    std::vector<float> omegas;  // the factors to try, in order
    int language;               // 1 Romanian, 2 English
    std::function<void(float omega)> useOmega;  // fills the Omega field with this factor
};

// Every applicable method on the data as read, side by side.
struct ComparisonRequest {
    ProblemState read;                  // read again from the data file, the matrix in full
    std::optional<ExactAnswer> exact;   // when the dialog knows the exact answer
    int language;                       // 1 Romanian, 2 English
};

// A method's working step by step, on the data as read.
struct StepsRequest {
    MethodSteps steps;
    int language;  // 1 Romanian, 2 English
};

// Work that may last: a Read, a SOLVE or an import.
struct BackgroundRun {
    std::function<void(RunProgress& progress)> work;  // runs off the dialog's thread
    std::function<void()> done;                       // runs on the dialog's thread once work has returned
    bool cancellable;                                 // a Read or a SOLVE may be stopped; an import runs to its end
    int language;                                     // 1 Romanian, 2 English
};

class DialogPlatform {
public:
    virtual ~DialogPlatform() = default;

    virtual MessageService& messages() = 0;

    // The file-open dialog: the path the user confirmed, or nothing when it
    // was cancelled. A file that does not exist is returned only after the
    // user agreed to create it.
    virtual std::optional<std::string> chooseFile(const FileRequest& request) = 0;

    // Shows the file in the editor; returns when the editor has been closed.
    virtual void editFile(const std::string& path) = 0;

    // Where a file of this name lies along the program search path (the
    // program's directory, the current directory, then PATH), or nothing.
    virtual std::optional<std::string> findFile(const std::string& name) = 0;

    // Modal windows; each returns when it has been closed. The data-file help
    // calls onSave each time its save button is pressed.
    virtual void showDataFileHelp(const DataFileHelpWindow& window, const std::function<void()>& onSave) = 0;
    virtual void showIterationHelp(const IterationHelpWindow& window) = 0;
    virtual void showAbout(const AboutWindow& window) = 0;

    // Windows beside the dialog, which goes on while they are open; each call
    // returns at once. The convergence chart shows the sweeps of a run (a
    // chart already open shows the new one); the explorer runs SOR for each
    // factor of the request, showing each row as it is finished, until it is
    // done or stopped.
    virtual void showConvergenceChart(const IterationHistory& history, float eps, int language) = 0;
    virtual void showOmegaExplorer(const OmegaExplorerRequest& request) = 0;
    // The comparison runs the methods off the dialog's thread, showing each
    // method's rows as it ends, until it is done or cancelled.
    virtual void showComparison(const ComparisonRequest& request) = 0;
    // The steps of a run, one at a time, with the means to move between them.
    virtual void showSteps(const StepsRequest& request) = 0;
    // A note beside the dialog (an information icon, one OK button); a new
    // note takes the place of the one shown.
    virtual void showNote(std::string_view title, std::string_view text) = 0;

    // A question with Yes and No; true for Yes.
    virtual bool confirm(std::string_view title, std::string_view question) = 0;

    // The wait cursor, shown while a Read or a SOLVE runs.
    virtual void setBusy(bool busy) = 0;

    // Runs `run.work` off the dialog's thread, which goes on repainting and
    // taking the user's actions; once the run has lasted about half a second
    // a window shows where it stands and, for a run that may be stopped, a
    // Cancel that asks it to stop at its next step boundary. `run.done`
    // follows on the dialog's thread. One run at a time.
    virtual void runInBackground(BackgroundRun run) = 0;
    // Asks the run in progress to stop and returns once it has ended and its
    // `done` has run; returns at once when no run is in progress.
    virtual void stopRunAndWait() = 0;

};

}  // namespace corvane
