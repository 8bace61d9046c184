#pragma once
// The relaxation explorer: SOR on the first right-hand side of the read
// problem for a range of relaxation factors, each run exactly the SOLVE's SOR
// (same sweeps, same roundings) on a fresh copy of the read data, so the row
// for a factor equals what a SOLVE with that Omega reports.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "problem/iteration_listener.h"
#include "problem/problem_state.h"

namespace corvane {

struct OmegaRange {
    double from = 0.05;
    double to = 1.95;
    double step = 0.05;
};

// from, from + step, ... up to `to`, each worked out as from + k·step (not by
// repeated addition) and rounded once to single precision. A range that
// holds no value, or a step that is not positive, gives none.
std::vector<float> omegaValues(const OmegaRange& range);

// Where and how a SOLVE's sweeps end on a dx that did not decrease
// (Divergence: it grew; Stagnation: it equalled the one before).
struct SolveStop {
    int sweep;
    IterationEnd end;
    bool operator==(const SolveStop&) const = default;
};

struct OmegaRow {
    float omega;
    int sweeps;
    std::optional<IterationEnd> end;  // none when SOR could not start (a diagonal it cannot use)
    float dx;                         // the last difference
    // Set when the run went on past the sweep at which the SOLVE's growth
    // test ends it: the row is then not what a SOLVE reports.
    std::optional<SolveStop> solveStop = std::nullopt;
};

// Whether the explorer's runs stop where dx grows, as the SOLVE's do, or go
// on to EPS or NLIM (an iterate that is not finite still ends them), which
// shows where SOR really converges.
enum class GrowthTest { Stops, PassedOver };

// Refuses an exploration of `read` without EPS and NLIM (converted from
// their texts as SOLVE does): without them nothing stops the sweeps. Returns
// the refusal text, or an empty view.
std::string_view explorerPrecheck(const ProblemState& read);

// Runs SOR for each factor on a copy of `read` (a problem read for SOR, with
// EPS_TEXT and NLIM_TEXT set as for a SOLVE). `rowDone` hears of each row as
// it is finished; when `stopRequested` says so before a factor, the rows
// finished so far are returned. The reports of these runs are not kept.
std::vector<OmegaRow> exploreOmega(const ProblemState& read, const std::vector<float>& omegas,
                                   const std::function<void(const OmegaRow&)>& rowDone = {},
                                   const std::function<bool()>& stopRequested = {},
                                   GrowthTest growth = GrowthTest::Stops);

// The factor that reached the tolerance in the fewest sweeps, the smaller
// factor on a tie (rows run past the growth test count as they are); none
// when no factor reached it.
std::optional<float> bestOmega(const std::vector<OmegaRow>& rows);

}  // namespace corvane
