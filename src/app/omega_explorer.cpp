#include "app/omega_explorer.h"

#include <cmath>

#include "app/dispatcher.h"
#include "iterative/sor.h"
#include "textio/record_sink.h"

namespace corvane {
namespace {

// Keeps how the sweeps of the first right-hand side ended.
class FirstRightHandSide : public IterationListener {
public:
    void sweepDone(int, int, float) override {}
    void rightHandSideDone(int rhs, IterationEnd end, int sweeps, float dx) override {
        if (rhs == 1) row = {0.0f, sweeps, end, dx, row.solveStop};
    }
    void growthTestPassed(int rhs, int sweep, IterationEnd end) override {
        if (rhs == 1) row.solveStop = SolveStop{sweep, end};
    }
    OmegaRow row{0.0f, 0, std::nullopt, 0.0f};
};

// The read problem with only its first right-hand side, as SOLVE converts
// its parameters for SOR.
ProblemState firstSystemForSor(const ProblemState& read) {
    ProblemState copy = read;
    copy.nb = std::min(read.nb, 1);
    copy.B = RealMatrix(read.n, copy.nb);
    for (int i = 1; i <= read.n && copy.nb == 1; ++i) copy.B(i, 1) = read.B(i, 1);
    copy.IMETODA = Method::Sor;
    copy.TIPAR_MATRICE = false;
    copy.TIPAR_ITERATII = false;
    READ_EPSNLIMOMEGA(copy);
    return copy;
}

}  // namespace

std::string_view explorerPrecheck(const ProblemState& read) {
    ProblemState converted = read;
    converted.IMETODA = Method::Sor;
    READ_EPSNLIMOMEGA(converted);
    return converted.EPS == 0 || converted.NLIM == 0 ? message::kEnterEpsNlim : std::string_view();
}

std::vector<float> omegaValues(const OmegaRange& range) {
    std::vector<float> omegas;
    if (!(range.step > 0.0)) return omegas;
    // A value within a millionth of a step of `to` counts as reaching it, so
    // that 0.05 + 38·0.05 stops at 1.95 and not one short.
    for (long k = 0;; ++k) {
        const double omega = range.from + static_cast<double>(k) * range.step;
        if (omega > range.to + range.step * 1e-6) break;
        omegas.push_back(static_cast<float>(omega));
    }
    return omegas;
}

std::vector<OmegaRow> exploreOmega(const ProblemState& read, const std::vector<float>& omegas,
                                   const std::function<void(const OmegaRow&)>& rowDone,
                                   const std::function<bool()>& stopRequested, GrowthTest growth) {
    const ProblemState prepared = firstSystemForSor(read);
    std::vector<OmegaRow> rows;
    DiscardingSink discard;
    SilentMessages quiet;  // the explorer keeps only the sweeps of these runs
    for (float omega : omegas) {
        if (stopRequested && stopRequested()) break;
        ProblemState run = prepared;
        run.OMEGA = omega;
        run.OMEGA1 = 1.0f - omega;
        RecordWriter report(discard), console(discard);
        FirstRightHandSide first;
        RunContext context{run, report, console, quiet, &first};
        context.pastGrowth = growth == GrowthTest::PassedOver;
        SOR(context);
        first.row.omega = omega;
        rows.push_back(first.row);
        if (rowDone) rowDone(rows.back());
    }
    return rows;
}

std::optional<float> bestOmega(const std::vector<OmegaRow>& rows) {
    std::optional<OmegaRow> best;
    for (const OmegaRow& row : rows) {
        if (row.end != IterationEnd::Tolerance) continue;
        if (!best || row.sweeps < best->sweeps || (row.sweeps == best->sweeps && row.omega < best->omega)) best = row;
    }
    if (!best) return std::nullopt;
    return best->omega;
}

}  // namespace corvane
