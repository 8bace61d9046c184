// The workers that SOLVE can reach, by method name, in the order the names
// are compared.

#include "problem/dispatcher.h"

#include "direct/gauss.h"
#include "iterative/gauss_seidel.h"
#include "iterative/sor.h"

namespace corvane {
namespace {

const MethodEntry kMethods[] = {
    {"Gauss", GAUSS, nullptr},
    {"LU", nullptr, nullptr},
    {"Cholesky", nullptr, nullptr},
    {"Gauss-Seidel", GAUSS_SEIDEL, nullptr},
    {"SOR", SOR, nullptr},
};

const WorkerTable kTable{nullptr, kMethods, static_cast<int>(std::size(kMethods))};

}  // namespace

const WorkerTable& workerTable() { return kTable; }

}  // namespace corvane
