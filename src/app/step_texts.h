#pragma once
// The texts of the step-by-step views in both languages (1 Romanian, 2
// English): why steps are not shown, and the labels, legend and navigation
// of the window and of the page.

#include <initializer_list>
#include <string>
#include <string_view>

#include "problem/options.h"

namespace corvane {

// Each "{}" stands for one value, filled in order.
struct StepsRefusalTexts {
    std::string_view conditionNumber;
    std::string_view noMethod;
    std::string_view orderTooLarge;          // n, the largest order
    std::string_view tooManyRightHandSides;  // nb, the most right-hand sides
    std::string_view tooManySweeps;          // NLIM, the most sweeps
};
const StepsRefusalTexts& stepsRefusalTexts(int language);

struct StepViewTexts {
    std::string_view title;     // of the window and of the page: "{method} - pas cu pas"
    std::string_view stepOf;    // "Pasul {} din {}"
    std::string_view first, previous, next, last, close;
    std::string_view keys;      // what the keys do
    std::string_view legend;    // the legend's heading
    std::string_view pivot, searched, changed, used, stored, exchanged;
    std::string_view rowName;   // the letter of a row in row operations: "L" (linia), "R" (row)
    std::string_view leftAlone; // beside a row an elimination step did not touch
    std::string_view candidate; // beside a row of an LU pivot search: "u = "
    std::string_view divisor;   // beside a row divided by its diagonal entry: "/ "
};
const StepViewTexts& stepViewTexts(int language);

// The colours of the marks, the same in the window and on the page (#rrggbb).
struct StepColours {
    std::string_view pivot;      // a frame around the pivot
    std::string_view searched;   // background
    std::string_view changed;    // background, with bold digits
    std::string_view used;       // background
    std::string_view stored;     // the digits of a multiplier kept below the diagonal
    std::string_view exchanged;  // background of the exchanged rows' names
};
inline constexpr StepColours kStepColours{"#d9480f", "#fff3bf", "#b2f2bb", "#d0ebff", "#868e96", "#ffc9c9"};

// The name of the method as the dialog lists it.
std::string_view stepsMethodName(Method method);

// `pattern` with each "{}" replaced by the next value.
std::string fillIn(std::string_view pattern, std::initializer_list<std::string_view> values);
std::string fillIn(std::string_view pattern, std::initializer_list<int> values);

}  // namespace corvane
