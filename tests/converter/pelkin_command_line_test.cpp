// Pelkin's command line: the file named there instead of the prompt, the generation numbers of
// --generations, --help and --version, and the usage text for what it does not understand.
#include <algorithm>
#include <string>
#include <vector>

#include "pelkin_fixture.h"

namespace {

class PelkinCommandLine : public PelkinRun {};

using Names = std::vector<std::string>;
using Args = std::vector<std::string>;

const std::string SixLineExample = "Title\nLoc1\nLoc2\nPop\n1 a, 0101 0102\n1 b, 0202 0000\n";

const std::string Usage =
    "Usage: Pelkin [--generations LIST] [--] [FILE]\n"
    "       Pelkin --help | -h\n"
    "       Pelkin --version\n"
    "Converts the GenePop file FILE, or the file named at the prompt, into the\n"
    "allele-frequency file pelkin.out in the working folder, for Morvast.\n"
    "  --generations LIST  the generation numbers of the file's samples in their\n"
    "                      order, separated by commas (0,5,10), in place of the\n"
    "                      numbers that begin the samples' first individual lines\n"
    "  --                  ends the options, so that FILE may begin with -\n"
    "  -h, --help          prints this text\n"
    "  --version           prints the program's name and version\n";

// ---- FILE ----

TEST_F(PelkinCommandLine, FileNamedOnTheCommandLineIsConvertedWithoutAsking) {
    Put("data.gen", SixLineExample);
    Put("other.gen", "T\nL\nPop\n9 a, 0909\n");
    // Standard input is not read: the name on it would convert another file.
    const auto run = RunWith({"data.gen"}, "other.gen\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, IntroAndUsing("data.gen"));
    EXPECT_EQ(run.err, Summary("1", "1", "2", "2", "0", "25.0"));
    EXPECT_EQ(Read("pelkin.out"), "1 2 Title\n2  2  \n0.5000 0.5000 4 Loc1  1\n"
                                  "0.5000 0.5000 2 Loc2  1\n");
}

TEST_F(PelkinCommandLine, WithoutArgumentsThePromptIsShownAsToday) {
    Put("data.gen", SixLineExample);
    const auto run = RunWith({}, "data.gen\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, IntroAndPrompt);
}

TEST_F(PelkinCommandLine, MissingOrEmptyFileOnTheCommandLineIsAFileFailure) {
    auto run = RunWith({"absent.gen"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, IntroAndUsing("absent.gen") +
                           "Runtime error 2 at $00401010\n  $00401010\n  $00401000\n\n");
    EXPECT_EQ(run.err, "Pelkin: cannot open \"absent.gen\": No such file or directory\n");
    run = RunWith({""});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "Pelkin: no file name was given; type the GenePop file's name at the "
                       "prompt, or give it on the command line\n");
    EXPECT_EQ(Files(), Names{});
}

TEST_F(PelkinCommandLine, DoubleDashEndsTheOptionsSoAFileMayBeginWithADash) {
    Put("-data.gen", SixLineExample);
    const auto run = RunWith({"--", "-data.gen"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, IntroAndUsing("-data.gen"));
    EXPECT_TRUE(Exists("pelkin.out"));
}

// ---- --generations ----

TEST_F(PelkinCommandLine, GenerationNumbersGivenReplaceTheFirstIndividualsOnes) {
    Put("data.gen", "T\nL\nPop\nb1, 0101\nb2, 0102\nPop\n12 c1, 0202\n");
    const auto run = RunWith({"--generations", "-5,70000", "data.gen"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, Summary("2", "-5, 70000", "2, 1", "1", "0", "0.0"));
    EXPECT_EQ(Read("pelkin.out"), "2 1 T\n2  \n0.7500 0.2500 4 L  -5\n"
                                  "0.0000 1.0000 2 L  70000\n");
}

TEST_F(PelkinCommandLine, MarkerWithoutIndividualsTakesNoNumberOfTheList) {
    // Two markers in a row once made a first sample without individuals, which took the
    // first number of the list and was written with the frequencies over all samples.
    Put("data.gen", "T\nL\nPop\nPop\n1 a, 0101\n");
    const auto run = RunWith({"--generations", "2", "data.gen"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Read("pelkin.out"), "1 1 T\n1  \n1.0000 2 L  2\n");
    EXPECT_EQ(run.err, EmptySampleNotice("3") + Summary("1", "2", "1", "1", "1", "0.0"));
}

TEST_F(PelkinCommandLine, GenerationNumbersGivenWithThePrompt) {
    Put("data.gen", "T\nL\nPop\na, 0101\n");
    const auto run = RunWith({"--generations", "3"}, "data.gen\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, IntroAndPrompt);
    EXPECT_EQ(Read("pelkin.out"), "1 1 T\n1  \n1.0000 2 L  3\n");
}

TEST_F(PelkinCommandLine, ListOfAnotherLengthIsRefusedAfterTheReading) {
    for (const std::string list : {"0,5", "0,5,10,15",
                                   "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,"
                                   "17,18,19,20,21,22,23,24,25,26,27,28,29,"
                                   "30,31,32,33,34,35,36,37,38,39,40,41,42,"
                                   "43,44,45,46,47,48,49,50,51"}) {
        Put("pelkin.out", "earlier\n");
        Put("data.gen", "T\nA\nB\nPop\na, 0101 0101\nPop\nb, 0202 0202\nPop\nc, 0303 0303\n");
        const auto run = RunWith({"--generations", list, "data.gen"});
        const std::string given = std::to_string(std::count(list.begin(), list.end(), ',') + 1);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, IntroAndUsing("data.gen") +
                               "The GenePop file has 3 generations; "
                               "--generations gives " +
                               given + ".\n");
        EXPECT_EQ(run.err, "Pelkin: \"data.gen\" has 3 samples, and --generations gives " + given +
                               " numbers; give one generation number per sample, in the order "
                               "of the samples\n");
        EXPECT_EQ(Read("pelkin.out"), "earlier\n");
        EXPECT_EQ(Files(), (Names{"data.gen", "pelkin.out"}));
    }
}

// ---- --help and --version ----

TEST_F(PelkinCommandLine, HelpPrintsTheUsageAndNothingElse) {
    for (const Args& args : {Args{"--help"}, Args{"-h"}, Args{"--generations", "0", "--help"}}) {
        const auto run = RunWith(args, "data.gen\n");
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, Usage);
        EXPECT_EQ(run.err, "");
    }
    EXPECT_EQ(Files(), Names{});
}

TEST_F(PelkinCommandLine, VersionIsTheProjectsVersion) {
    const auto run = RunWith({"--version"}, "data.gen\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Pelkin " PROJECT_VERSION_TEXT "\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(Files(), Names{});
}

// ---- What is not understood ----

TEST_F(PelkinCommandLine, ArgumentsNotUnderstoodPrintTheUsageOnStandardErrorWithStatus2) {
    Put("data.gen", SixLineExample);
    const struct {
        Args args;
        std::string fault;
    } cases[] = {
        {{"-x"}, "Pelkin: unknown option \"-x\""},
        {{"--Help"}, "Pelkin: unknown option \"--Help\""},
        {{"-"}, "Pelkin: unknown option \"-\""},
        {{"--generations=0,5"}, "Pelkin: unknown option \"--generations=0,5\""},
        {{"data.gen", "more.gen"},
         "Pelkin: a second file name \"more.gen\"; give one GenePop file"},
        {{"--", "data.gen", "-x"}, "Pelkin: a second file name \"-x\"; give one GenePop file"},
        {{"data.gen", "--help"},
         "Pelkin: \"--help\" stands after the file name; options come before it"},
        {{"--generations"},
         "Pelkin: --generations needs a list of generation numbers, such as 0,5,10"},
        {{"--generations", "0,,5", "data.gen"},
         "Pelkin: \"0,,5\" is not a list of generation numbers; give whole numbers from "
         "-2147483648 to 2147483647 separated by commas, such as 0,5,10"},
        {{"--generations", "2147483648"},
         "Pelkin: \"2147483648\" is not a list of generation numbers; give whole numbers from "
         "-2147483648 to 2147483647 separated by commas, such as 0,5,10"},
        {{"--generations", "0", "--generations", "5"},
         "Pelkin: --generations is given twice; give it once"},
    };
    for (const auto& [args, fault] : cases) {
        const auto run = RunWith(args, "data.gen\n");
        EXPECT_EQ(run.status, 2) << fault;
        EXPECT_EQ(run.out, "") << fault;
        EXPECT_EQ(run.err, fault + "\n" + Usage);
    }
    EXPECT_EQ(Files(), Names{"data.gen"});
}

} // namespace
