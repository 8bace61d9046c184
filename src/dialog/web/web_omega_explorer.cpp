#include "dialog/web/web_omega_explorer.h"

#include <string>

#include "app/numbered_marks.h"
#include "dialog/chart_texts.h"
#include "textio/decimal_text.h"

namespace corvane {
namespace {

Json explorerTexts(int language) {
    const OmegaExplorerTexts& t = omegaExplorerTexts(language);
    return {{"windowTitle", t.windowTitle}, {"omegaAxis", t.omegaAxis},     {"sweepAxis", t.sweepAxis},
            {"sweepsSeries", t.sweepsSeries}, {"notConvergedSeries", t.notConvergedSeries},
            {"bestSeries", t.bestSeries},   {"noBest", t.noBest},           {"stop", t.stop},
            {"useOmega", t.useOmega},       {"close", t.close},             {"outcomeColumn", t.outcomeColumn},
            {"pastGrowth", t.pastGrowth},   {"pastGrowthSeries", t.pastGrowthSeries},
            {"pastGrowthNote", t.pastGrowthNote}};
}

// "A SOLVE ends at sweep 18 (stopped: dx grew)"
std::string solveStopText(const SolveStop& stop, int language) {
    return withNumberedMarks(omegaExplorerTexts(language).solveStopsAt,
                             {std::to_string(stop.sweep), outcomeText(stop.end, language)});
}

}  // namespace

WebOmegaExplorer::WebOmegaExplorer(PageChannel& page, OmegaExplorerRequest request)
    : page_(page), request_(std::move(request)) {
    page_.post({{"t", "explorer"}, {"op", "open"}, {"texts", explorerTexts(request_.language)},
                {"count", request_.omegas.size()}});
    schedule();
}

WebOmegaExplorer::~WebOmegaExplorer() { *alive_ = false; }

void WebOmegaExplorer::stop() {
    if (running_) finish();
}

void WebOmegaExplorer::use(std::size_t row) {
    if (row < rows_.size()) request_.useOmega(rows_[row].omega);
}

void WebOmegaExplorer::restart(bool pastGrowth) {
    growth_ = pastGrowth ? GrowthTest::PassedOver : GrowthTest::Stops;
    rows_.clear();
    page_.post({{"t", "explorer"}, {"op", "restart"}});
    if (running_) return;  // the next turn is already on its way
    running_ = true;
    schedule();
}

void WebOmegaExplorer::schedule() {
    page_.soon([this, alive = alive_] {
        if (*alive) runNextFactor();
    });
}

void WebOmegaExplorer::runNextFactor() {
    if (!running_) return;
    if (rows_.size() == request_.omegas.size()) {
        finish();
        return;
    }
    const OmegaRow row = exploreOmega(request_.read, {request_.omegas[rows_.size()]}, {}, {}, growth_).front();
    rows_.push_back(row);
    const OmegaExplorerTexts& texts = omegaExplorerTexts(request_.language);
    // A row that is not the SOLVE's: "*" after its outcome, and where the SOLVE stops as its tip.
    std::string outcome(row.end ? outcomeText(*row.end, request_.language) : texts.notRun);
    if (row.solveStop) outcome += " *";
    page_.post({{"t", "explorer"},
                {"op", "row"},
                {"omega", row.omega},
                {"omegaText", shortestFloatText(row.omega)},
                {"sweeps", row.sweeps},
                {"converged", row.end == IterationEnd::Tolerance},
                {"outcome", outcome},
                {"pastGrowth", row.solveStop.has_value()},
                {"tip", row.solveStop ? solveStopText(*row.solveStop, request_.language) : std::string()},
                {"dx", shortestFloatText(row.dx)}});
    schedule();
}

void WebOmegaExplorer::finish() {
    running_ = false;
    const std::optional<float> best = bestOmega(rows_);
    Json message{{"t", "explorer"}, {"op", "done"}, {"best", nullptr}, {"bestRow", nullptr}};
    if (best) {
        message["best"] = shortestFloatText(*best);
        for (std::size_t k = 0; k < rows_.size(); ++k) {
            if (rows_[k].omega != *best) continue;
            message["bestRow"] = k;
            message["bestPastGrowth"] = rows_[k].solveStop.has_value();  // a SOLVE with it stops earlier
        }
    }
    page_.post(message);
}

}  // namespace corvane
