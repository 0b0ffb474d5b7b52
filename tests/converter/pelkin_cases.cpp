#include "pelkin_cases.h"

#include "conversion_run.h"

namespace {

int FreshRun(int argc, char** argv) {
    ResetRun();
    return PelkinMain(argc, argv);
}

} // namespace

void RunPelkinCases(const std::vector<testing_support::Case>& cases) {
    RunCases({"Pelkin", FreshRun, CONVERTER_CASES_DIR}, cases);
}

testing_support::File GenePop(std::string genepop) {
    return {"data.gen", std::move(genepop)};
}

testing_support::File Frequencies(testing_support::Bytes bytes) {
    return {"pelkin.out", std::move(bytes)};
}
