#pragma once
// What each step did, said in a sentence of the chosen language (1 Romanian,
// 2 English) with its numbers in the report's single-precision digits.

#include <string>

#include "app/method_steps.h"

namespace corvane {

// A number as the report writes a real with g15.7, without the blanks
// around it: 5.000000, 0.4000000, -0.1234568E-02.
std::string stepNumber(double value);

// A threshold as the reports name it: 1.00E-06.
std::string thresholdText(float threshold);

// What stands beside row i of the step: "m(3,2) = 0.4000000", "m(4,2) = 0:
// unchanged", "u = -1.250000", "/ 4.000000"; empty for none.
std::string rowNoteText(const Step& step, int i, int language);

// The sentence of step `index` of the run.
std::string stepSentence(const MethodSteps& run, std::size_t index, int language);

}  // namespace corvane
