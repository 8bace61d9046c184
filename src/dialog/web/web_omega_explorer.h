#pragma once
// The relaxation explorer in the page's worker: SOR for one factor per turn
// of the worker's event loop, so that the dialog's actions are taken between
// factors, each row told to the page as it is finished.

#include <memory>
#include <vector>

#include "app/omega_explorer.h"
#include "dialog/dialog_platform.h"
#include "dialog/web/page_channel.h"

namespace corvane {

class WebOmegaExplorer {
public:
    WebOmegaExplorer(PageChannel& page, OmegaExplorerRequest request);
    ~WebOmegaExplorer();
    WebOmegaExplorer(const WebOmegaExplorer&) = delete;
    WebOmegaExplorer& operator=(const WebOmegaExplorer&) = delete;

    // Stop: the rows so far stay, with the best of them.
    void stop();
    // Use this omega, with the factor of a row (from 0).
    void use(std::size_t row);
    // The check box changed how the factors run: every factor again, from
    // the first, past the growth test or not.
    void restart(bool pastGrowth);

private:
    void schedule();
    void runNextFactor();
    void finish();

    PageChannel& page_;
    OmegaExplorerRequest request_;
    std::vector<OmegaRow> rows_;
    bool running_ = true;
    GrowthTest growth_ = GrowthTest::Stops;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);  // false once this explorer is gone
};

}  // namespace corvane
