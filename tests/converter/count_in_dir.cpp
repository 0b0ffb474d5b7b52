#include "count_in_dir.h"

#include "locus_passes.h"
#include "run_state.h"

CountingDir::CountingDir() : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(dir_.path());
    ResetRunState();
}

CountingDir::~CountingDir() {
    CloseText(infile);
    std::filesystem::current_path(previous_);
}

void CountingDir::Count(const std::string& genepop) {
    CloseText(infile);
    ResetRunState();
    testing_support::WriteFile(dir_ / "data.gen", genepop);
    in_name = "data.gen";
    OpenText(infile, in_name);
    CountAlleles();
}

std::string CountingDir::Read(const std::string& name) const {
    return testing_support::ReadFile(dir_ / name);
}

bool CountingDir::Exists(const std::string& name) const {
    return std::filesystem::exists(dir_ / name);
}
