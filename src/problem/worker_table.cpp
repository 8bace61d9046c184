// The workers that SOLVE can reach, by method name, in the order the names
// are compared.

#include "problem/dispatcher.h"

#include "condition/condition_number.h"
#include "direct/gauss.h"

namespace corvane {
namespace {

const MethodEntry kMethods[] = {
    {"Gauss", GAUSS, nullptr},
    {"LU", nullptr, nullptr},
    {"Cholesky", nullptr, nullptr},
    {"Gauss-Seidel", nullptr, nullptr},
    {"SOR", nullptr, nullptr},
};

const WorkerTable kTable{NUMAR_CONDITIE, kMethods, static_cast<int>(std::size(kMethods))};

}  // namespace

const WorkerTable& workerTable() { return kTable; }

}  // namespace corvane
