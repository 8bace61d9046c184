#include "kernels/block_orders.h"

#include <set>

namespace corvane::testing {

std::vector<int> ordersAroundBlockSizes(std::span<const int> KernelBlockSizes::*kernel, std::initializer_list<int> extra) {
    std::set<int> orders{1, 2, 3, 5};
    orders.insert(extra.begin(), extra.end());
    for (KernelLevel level : supportedKernelLevels()) {
        for (int size : kernelTable(level).blockSizes.*kernel) {
            for (int order : {size - 1, size, size + 1}) {
                if (order >= 1) orders.insert(order);
            }
        }
    }
    return {orders.begin(), orders.end()};
}

}  // namespace corvane::testing
