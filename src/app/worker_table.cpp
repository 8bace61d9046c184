// The workers that SOLVE can reach, one per method of the method list.

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
    {Method::Gauss, GAUSS, nullptr},
    {Method::Lu, LU, nullptr},
    {Method::Cholesky, CHOLESKY_S, choleskyPrecheck},
    {Method::GaussSeidel, GAUSS_SEIDEL, gaussSeidelPrecheck},
    {Method::Sor, SOR, sorPrecheck},
};

const WorkerTable kTable{NUMAR_CONDITIE, kMethods, static_cast<int>(std::size(kMethods))};

}  // namespace

const WorkerTable& workerTable() { return kTable; }

}  // namespace corvane
