#pragma once
// Orders that straddle the block sizes of the kernels, taken from the
// variants' own tables so that a changed block size keeps being straddled.

#include <initializer_list>
#include <span>
#include <vector>

#include "kernels/kernel_table.h"

namespace corvane::testing {

// 1, 2, 3, 5, the orders just below, at and just above every block size the
// supported variants give for one kernel, and `extra`; sorted, each once.
std::vector<int> ordersAroundBlockSizes(std::span<const int> KernelBlockSizes::*kernel, std::initializer_list<int> extra = {});

}  // namespace corvane::testing
