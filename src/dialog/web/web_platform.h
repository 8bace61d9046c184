#pragma once
// The desktop services of the dialog in a web page. The controller runs in
// the page's worker: windows the desktop shows modally (the file choice, the
// editor, the help windows, About, a question) are questions to the page that
// the worker waits on; messages, notes, the charts and the comparison are
// told to the page and the worker goes on. A Read, a SOLVE or an import runs
// in the worker itself, which tells the page where it stands every twentieth
// of a second; the page's main thread stays free, shows the progress window
// after half a second, and its Cancel is seen at the run's next step boundary.
// The relaxation explorer runs one factor per turn of the worker's event loop,
// so that the dialog's actions are taken between factors.

#include <memory>
#include <optional>

#include "dialog/dialog_platform.h"
#include "dialog/web/page_channel.h"

namespace corvane {

class PageMessages : public MessageService {
public:
    explicit PageMessages(PageChannel& page) : page_(page) {}
    void show(std::string_view text, std::string_view title, MessageIcon icon) override;

private:
    PageChannel& page_;
};

class WebOmegaExplorer;

class WebPlatform : public DialogPlatform {
public:
    explicit WebPlatform(PageChannel& page);
    ~WebPlatform() override;

    MessageService& messages() override { return messages_; }
    std::optional<std::string> chooseFile(const FileRequest& request) override;
    void editFile(const std::string& path) override;
    void viewFile(const std::string& path, int language) override;
    std::optional<std::string> findFile(const std::string& name) override;
    void showDataFileHelp(const DataFileHelpWindow& window, const std::function<void()>& onSave) override;
    void showIterationHelp(const IterationHelpWindow& window) override;
    void showAbout(const AboutWindow& window) override;
    void showConvergenceChart(const IterationHistory& history, float eps, int language) override;
    void showOmegaExplorer(const OmegaExplorerRequest& request) override;
    void showComparison(const ComparisonRequest& request) override;
    void showSteps(const StepsRequest& request) override;
    void showNote(const Note& note, int language) override;
    void setLanguage(int language) override;
    int ask(const Question& question) override;
    void setBusy(bool busy) override;
    void runInBackground(BackgroundRun run) override;
    // A run ends before the worker takes the page's next message: there is
    // never one to stop here.
    void stopRunAndWait() override {}

    // The explorer's buttons on the page: Stop (also closing its window), and
    // Use this omega with the factor of a row.
    void stopOmegaExplorer();
    void useExplorerOmega(std::size_t row);
    // The explorer's check box: each run past the growth test, or not.
    void explorePastGrowth(bool on);
    // The step-by-step window on the page asks for a step (from 0); the
    // steps stay here, the page gets one at a time.
    void showStep(std::size_t index);

private:
    PageChannel& page_;
    PageMessages messages_;
    std::unique_ptr<WebOmegaExplorer> explorer_;
    std::optional<StepsRequest> steps_;
    std::optional<Note> note_;  // the last note shown, told again when the language changes
};

}  // namespace corvane
