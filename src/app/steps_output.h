#pragma once
// A run's steps written out whole, in the language (1 Romanian, 2 English):
// as text for a terminal, as a LaTeX document (amsmath) with one augmented
// matrix per step and the row operations beside it, or as one HTML page that
// needs nothing else, with the window's marks and keyboard navigation.

#include <string>

#include "app/method_steps.h"

namespace corvane {

std::string stepsAsText(const MethodSteps& run, int language);
std::string stepsAsLatex(const MethodSteps& run, int language);
std::string stepsAsHtml(const MethodSteps& run, int language);

}  // namespace corvane
