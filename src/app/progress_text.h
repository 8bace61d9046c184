#pragma once
// What a progress display says about a run: the phase and how far it is, in
// either interface language (the command line uses English).

#include <optional>
#include <string>

#include "problem/run_progress.h"

namespace corvane {

// language: 1 Romanian, 2 English (ProblemState::LIMBA).
std::string progressText(const ProgressSnapshot& where, int language);

// The part done of the current phase, from 0 to 1, or none before the first
// step boundary or for a phase without a measure.
std::optional<double> progressFraction(const ProgressSnapshot& where);

}  // namespace corvane
