#include "morvast_cases.h"

#include "estimation_run.h"

namespace {

int FreshRun(int argc, char** argv) {
    ResetRun();
    return MorvastMain(argc, argv);
}

} // namespace

void RunMorvastCases(const std::vector<testing_support::Case>& cases) {
    RunCases({"Morvast", FreshRun, ESTIMATOR_CASES_DIR}, cases);
}
