#pragma once
// Desktop services for tests: messages are recorded, the file dialog answers
// from a script, the editor and the windows only note what they were asked
// to show, files are found in the current directory, and the runs off the
// dialog's thread run at once (or are held until the test ends them).

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dialog/dialog_platform.h"
#include "support/recording_messages.h"

namespace corvane::testing {

class ScriptedPlatform : public DialogPlatform {
public:
    RecordingMessages recorded;
    std::deque<std::optional<std::string>> fileAnswers;  // nullopt: the user cancels
    std::vector<FileRequest> fileRequests;
    std::vector<std::string> edited;
    std::vector<DataFileHelpWindow> dataFileHelps;
    std::vector<IterationHelpWindow> iterationHelps;
    std::vector<AboutWindow> abouts;
    std::vector<bool> busyChanges;
    struct ShownChart {
        IterationHistory history;
        float eps;
        int language;
    };
    std::vector<ShownChart> charts;
    struct ShownNote {
        std::string title;
        std::string text;
    };
    std::vector<ShownNote> notes;
    std::vector<OmegaExplorerRequest> explorers;
    std::vector<ComparisonRequest> comparisons;
    std::vector<StepsRequest> stepsShown;
    std::vector<std::string> questions;
    bool confirmAnswer = true;
    // What the user does in the editor.
    std::function<void(const std::string& path)> whileEditing;
    // What the user does while the data-file help is open; it may press save.
    std::function<void(const std::function<void()>& save)> whileDataFileHelpOpen;

    // Runs: whether each was cancellable; with holdRuns a run waits in
    // heldRun until endHeldRun, so that a test sees the dialog during it.
    std::vector<bool> runs;
    bool holdRuns = false;
    std::optional<BackgroundRun> heldRun;
    int stopRequests = 0;

    MessageService& messages() override { return recorded; }

    void runInBackground(BackgroundRun run) override {
        runs.push_back(run.cancellable);
        if (holdRuns) {
            heldRun = std::move(run);
            return;
        }
        ProgressMonitor progress;
        run.work(progress);
        run.done();
    }
    // Runs the held run's work, stopped at its first step boundary when
    // `stopped`, then its end on the dialog.
    void endHeldRun(bool stopped = false) {
        std::optional<BackgroundRun> run;
        run.swap(heldRun);
        if (!run) return;
        ProgressMonitor progress;
        if (stopped) progress.requestStop();
        run->work(progress);
        run->done();
    }
    void stopRunAndWait() override {
        ++stopRequests;
        endHeldRun(true);
    }

    std::optional<std::string> chooseFile(const FileRequest& request) override {
        fileRequests.push_back(request);
        if (fileAnswers.empty()) return std::nullopt;
        std::optional<std::string> answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    }

    void editFile(const std::string& path) override {
        edited.push_back(path);
        if (whileEditing) whileEditing(path);
    }

    std::optional<std::string> findFile(const std::string& name) override {
        if (std::filesystem::is_regular_file(name)) return name;
        return std::nullopt;
    }

    void showDataFileHelp(const DataFileHelpWindow& window, const std::function<void()>& onSave) override {
        dataFileHelps.push_back(window);
        if (whileDataFileHelpOpen) whileDataFileHelpOpen(onSave);
    }
    void showIterationHelp(const IterationHelpWindow& window) override { iterationHelps.push_back(window); }
    void showAbout(const AboutWindow& window) override { abouts.push_back(window); }
    void showConvergenceChart(const IterationHistory& history, float eps, int language) override {
        charts.push_back({history, eps, language});
    }
    void showOmegaExplorer(const OmegaExplorerRequest& request) override { explorers.push_back(request); }
    void showComparison(const ComparisonRequest& request) override { comparisons.push_back(request); }
    void showSteps(const StepsRequest& request) override { stepsShown.push_back(request); }
    void showNote(std::string_view title, std::string_view text) override {
        notes.push_back({std::string(title), std::string(text)});
    }
    bool confirm(std::string_view, std::string_view question) override {
        questions.emplace_back(question);
        return confirmAnswer;
    }
    void setBusy(bool busy) override { busyChanges.push_back(busy); }
};

}  // namespace corvane::testing
