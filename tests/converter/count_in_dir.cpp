#include "count_in_dir.h"

#include <vector>

#include "allele_tallies.h"
#include "individual_lines.h"
#include "run_state.h"

CountingDir::CountingDir() : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(dir_.path());
    ResetRunState();
}

CountingDir::~CountingDir() {
    AbandonText(infile);
    AbandonOutText(freqfile);
    std::filesystem::current_path(previous_);
}

void CountingDir::Count(const std::string& genepop) {
    AbandonText(infile);
    AbandonOutText(freqfile);
    ResetRunState();
    testing_support::WriteFile(dir_ / "data.gen", genepop);
    in_name = "data.gen";
    OpenText(infile, in_name);
    CountAlleles();
    // The part file of "pelkin.out" that the counting step made is no concern of its tests.
    AbandonOutText(freqfile);
}

std::string CountingDir::Read(const std::string& name) const {
    return testing_support::ReadFile(dir_ / name);
}

bool CountingDir::Exists(const std::string& name) const {
    return std::filesystem::exists(dir_ / name);
}

std::string CountingDir::Counts(std::int32_t locus) {
    std::vector<ListedAllele> listed;
    ListAlleles(locus, listed);
    std::string text = "  " + std::to_string(n_gen) + "  " + std::to_string(listed.size()) + "\n";
    for (std::int32_t g = 1; g <= n_gen; ++g) {
        for (const ListedAllele& allele : listed) {
            const std::string count = std::to_string(CountOf(allele.slot, g));
            text += std::string(count.size() < 5 ? 5 - count.size() : 1, ' ') + count;
        }
        text += "\n";
    }
    return text;
}

std::int64_t CountingDir::Copies() {
    return 2 * SizesRead().individuals_in_all;
}
