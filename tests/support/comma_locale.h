#pragma once
// A C locale whose decimal point is a comma, as a user's may be (the dialog
// runs under the user's locale), for the tests that numbers are read and
// written the same under it.

#include <clocale>
#include <string>

namespace corvane::testing {

// Selects, for LC_NUMERIC, a locale with a decimal comma: one that is
// installed, or one made for the test from a definition of its numbers alone.
// Returns its name; empty when neither can be had (nothing selected then).
std::string selectCommaLocale();

// Restores the LC_NUMERIC of its construction when it goes.
class NumericLocaleRestored {
public:
    NumericLocaleRestored() : name_(std::setlocale(LC_NUMERIC, nullptr)) {}
    ~NumericLocaleRestored() { std::setlocale(LC_NUMERIC, name_.c_str()); }
    NumericLocaleRestored(const NumericLocaleRestored&) = delete;
    NumericLocaleRestored& operator=(const NumericLocaleRestored&) = delete;

private:
    std::string name_;
};

}  // namespace corvane::testing
