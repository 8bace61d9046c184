// The workers that SOLVE can reach, by method name, in the order the names
// are compared.

#include "app/dispatcher.h"

#include "condition/condition_number.h"
#include "direct/cholesky_method.h"
#include "direct/gauss.h"
#include "direct/lu_method.h"
#include "iterative/gauss_seidel.h"
#include "iterative/sor.h"

namespace corvane {
namespace {

const MethodEntry kMethods[] = {
    {"Gauss", GAUSS, nullptr},
    {"LU", LU, nullptr},
    {"Cholesky", CHOLESKY_S, choleskyPrecheck},
    {"Gauss-Seidel", GAUSS_SEIDEL, nullptr},
    {"SOR", SOR, nullptr},
};

const WorkerTable kTable{NUMAR_CONDITIE, kMethods, static_cast<int>(std::size(kMethods))};

}  // namespace

const WorkerTable& workerTable() { return kTable; }

}  // namespace corvane
