#pragma once
// Reference layouts of the ew.d and gw.d fields (see reference_number_format.cpp).

#include <string>

namespace corvane::testing {

std::string referenceExponentField(double value, int width, int digits, int scale);
std::string referenceGeneralField(double value, int width, int digits, int scale);

}  // namespace corvane::testing
