#include "pelkin_fixture.h"

#include <algorithm>
#include <filesystem>

#include "messages.h"

const std::string IntroAndPrompt =
    "\n"
    "\n"
    "\n"
    "\n"
    "\n"
    "This program uses a \"classical\" two digit GenePop data file to create\n"
    "an input allele frequency file that can be read by the Morvast program\n"
    "for estimation of effective size from temporal allele frequency changes.\n"
    "\n"
    "You are prompted for the name of the GenePop input file. The converted\n"
    "(output) file is named \"pelkin.out\" (rename it if you want to keep it).\n"
    "\n"
    "In the input file generations are treated as GenePop \"populations\", and the\n"
    "generation number of each individual must be given first on the data line\n"
    "and be followed by a blank. Any text is allowed after this blank before\n"
    "the comma (\",\"). See the accompanying text and the example files for details.\n"
    "\n"
    "\n"
    "\n"
    "Give name of input file (GenePop format): ";

void PelkinRun::Put(const std::string& name, const std::string& contents) const {
    testing_support::WriteFile(dir / name, contents);
}

std::string PelkinRun::Read(const std::string& name) const {
    return testing_support::ReadFile(dir / name);
}

bool PelkinRun::Exists(const std::string& name) const {
    return std::filesystem::exists(std::filesystem::symlink_status(dir / name));
}

std::vector<std::string> PelkinRun::Files() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

testing_support::RunResult PelkinRun::Run(const std::string& typed) const {
    return testing_support::RunProgram(PELKIN_EXE, {}, typed, dir.path());
}

testing_support::RunResult PelkinRun::RunWith(const std::vector<std::string>& args,
                                              const std::string& typed) const {
    return testing_support::RunProgram(PELKIN_EXE, args, typed, dir.path());
}

testing_support::RunResult PelkinRun::Convert(const std::string& genepop) const {
    Put("data.gen", genepop);
    return Run();
}

std::string IntroAndUsing(const std::string& name) {
    const std::string prompt = "Give name of input file (GenePop format): ";
    return IntroAndPrompt.substr(0, IntroAndPrompt.size() - prompt.size()) + "Using data from " +
           name + "\n";
}

std::string GenerationsMessage() {
    return std::string(16, '\n') + "Check the data file! There seems to different numbers of\n"
                                   "populations at different loci.\n";
}

std::string IndividualsMessage() {
    return std::string(16, '\n') + "Check the data file! There seems to be different numbers of\n"
                                   "individuals at different loci.\n";
}

std::string UntypedNotice(const std::string& locus, const std::string& generation) {
    return "Pelkin: locus " + locus + " has no typed copy in generation " + generation +
           "; its frequencies over all generations are written there, with sample size 0, and "
           "Morvast leaves that sample out at this locus\n";
}

std::string Summary(const std::string& samples, const std::string& generations,
                    const std::string& individuals, const std::string& loci,
                    const std::string& single, const std::string& missing) {
    return Filled(Msg::Summary, {{"samples", samples},
                                 {"generations", generations},
                                 {"individuals", individuals},
                                 {"loci", loci},
                                 {"single", single},
                                 {"missing", missing}}) +
           "\n";
}

std::string EmptySampleNotice(const std::string& line) {
    return Filled(Msg::EmptySample, {{"file", "data.gen"}, {"line", line}}) + "\n";
}

std::string UntypedLocusNotice(const std::string& locus) {
    return "Pelkin: locus " + locus +
           " has no typed copy in any generation, and Morvast refuses such a locus; remove it "
           "from \"data.gen\"\n";
}
