// Whole runs of Pelkin: the console, the worked examples, and the file-failure report.
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "pelkin_fixture.h"

namespace {

class PelkinExamples : public PelkinRun {};
class PelkinGenerationNumbers : public PelkinRun {};
class PelkinFileFailures : public PelkinRun {};

using Names = std::vector<std::string>;

const std::string SixLineExample = "Title\nLoc1\nLoc2\nPop\n1 a, 0101 0102\n1 b, 0202 0000\n";

std::string Report(int error, const std::string& where, const std::string& step) {
    return "Runtime error " + std::to_string(error) + " at $" + where + "\n  $" + where + "\n  $" +
           step + "\n\n";
}

// ---- Console and worked examples ----

TEST_F(PelkinExamples, SixLineExampleGivesTheDocumentedFrequencyFile) {
    const auto run = Convert(SixLineExample);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, IntroAndPrompt);
    EXPECT_EQ(run.err, Summary("1", "1", "2", "2", "0", "25.0"));
    EXPECT_EQ(Read("pelkin.out"), "1 2 Title\n"
                                  "2  2  \n"
                                  "0.5000 0.5000 4 Loc1  1\n"
                                  "0.5000 0.5000 2 Loc2  1\n");
    EXPECT_EQ(Files(), (Names{"data.gen", "pelkin.out"}));
}

TEST_F(PelkinExamples, RunStoppedAfterTheReadingLeavesAnEarlierFrequencyFileAndNoOtherFile) {
    // Once the count files locus1 and locus2 stayed behind.
    Put("pelkin.out", "earlier\n");
    std::string genepop = SixLineExample;
    genepop.replace(genepop.find("1 a"), 1, "G1");
    const auto run = Convert(genepop);
    EXPECT_EQ(run.status, 106);
    EXPECT_EQ(run.out, IntroAndPrompt + Report(106, "00403060", "00403000"));
    EXPECT_EQ(Read("pelkin.out"), "earlier\n");
    EXPECT_EQ(Files(), (Names{"data.gen", "pelkin.out"}));
}

TEST_F(PelkinExamples, RatiosOfCountsAreRoundedWithAnExactHalfUp) {
    std::string genepop = "Rounding\nThirds\nHalves\nPop\n";
    // Locus Thirds: counts 1 and 2. Locus Halves: counts 1 and 31 of 32 copies.
    genepop += "3 a, 0102 0102\n3 b, 0200 0202\n";
    for (int i = 0; i < 14; ++i) {
        genepop += "3 c, 0000 0202\n";
    }
    genepop += "Pop\n9 a, 0303 0101\n9 b, 0303 0000\n";
    for (int i = 0; i < 14; ++i) {
        genepop += "9 c, 0000 0000\n";
    }
    const auto run = Convert(genepop);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Read("pelkin.out"), "2 2 Rounding\n"
                                  "3  2  \n"
                                  "0.3333 0.6667 0.0000 3 Thirds  3\n"
                                  "0.0000 0.0000 1.0000 4 Thirds  9\n"
                                  "0.0313 0.9688 32 Halves  3\n"
                                  "1.0000 0.0000 2 Halves  9\n");
}

TEST_F(PelkinExamples, ThreeAndTwentyNineOf32AreWrittenWithExactHalvesUp) {
    std::string genepop = "T\nL\nPop\n5 a, 0101\n5 b, 0102\n";
    for (int i = 0; i < 14; ++i) {
        genepop += "5 c, 0202\n";
    }
    const auto run = Convert(genepop);
    EXPECT_EQ(Read("pelkin.out"), "1 1 T\n2  \n0.0938 0.9063 32 L  5\n");
}

TEST_F(PelkinExamples, FileEndingRightAfterTheMarkerHasNoSample) {
    // Once one sample of no individual, numbered 0, with a line of total 0 for every locus.
    const auto run = Convert("Title\nLoc1\nLoc2\nPop\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Read("pelkin.out"), "0 2 Title\n0  0  \n");
    EXPECT_EQ(run.err, EmptySampleNotice("4") + UntypedLocusNotice("1 (Loc1)") +
                           UntypedLocusNotice("2 (Loc2)") + Summary("0", "", "", "2", "0", "0.0"));
}

TEST_F(PelkinExamples, LocusWithOnlyMissingCopiesHasNoAlleles) {
    Convert("T\nA\nB\nPop\n4 x, 0101 0000\n4 y, 0102 0000\n");
    EXPECT_EQ(Read("pelkin.out"), "1 2 T\n2  0  \n0.7500 0.2500 4 A  4\n0 B  4\n");
}

TEST_F(PelkinExamples, FileWithoutLociHasAnEmptyAlleleLineAndNoCountFile) {
    const auto run = Convert("No loci\nPop\n1 x, 0101\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Read("pelkin.out"), "0 0 No loci\n\n");
    EXPECT_EQ(Files(), (Names{"data.gen", "pelkin.out"}));
}

TEST_F(PelkinExamples, EmptyTitleEndsTheHeaderLineWithItsBlank) {
    Convert("\nL\nPop\n1 x, 0101\n");
    EXPECT_EQ(Read("pelkin.out"), "1 1 \n1  \n1.0000 2 L  1\n");
}

TEST_F(PelkinExamples, UsersFileNamedAsAnOldCountFileIsNeverTouched) {
    // Once replaced by the count file of locus 2 and then erased.
    Put("locus2", "not a count file\n");
    const auto run = Convert("T\nA\nB\nC\nPop\n1 a, 0101 0202 0303\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Read("locus2"), "not a count file\n");
    EXPECT_EQ(Files(), (Names{"data.gen", "locus2", "pelkin.out"}));
    EXPECT_EQ(Read("pelkin.out"), "1 3 T\n1  1  1  \n"
                                  "1.0000 2 A  1\n1.0000 2 B  1\n1.0000 2 C  1\n");
}

TEST_F(PelkinExamples, EarlierFrequencyFileIsReplaced) {
    Put("pelkin.out", std::string(5000, 'x'));
    Convert(SixLineExample);
    EXPECT_EQ(Read("pelkin.out").size(), 65U);
}

// ---- Generation numbers ----

TEST_F(PelkinGenerationNumbers, GenerationNumbersAreReadFromTheFirstIndividualOfEachGeneration) {
    // They need not rise; a tab ends the number; later individuals' numbers are not read.
    Convert("T\nL\nPop\n12 a, 0101\nxx b, 0101\nPop\n-3 a, 0202\nPop\n7\tc, 0303\n");
    EXPECT_EQ(Read("pelkin.out"), "3 1 T\n3  \n"
                                  "1.0000 0.0000 0.0000 4 L  12\n"
                                  "0.0000 1.0000 0.0000 2 L  -3\n"
                                  "0.0000 0.0000 1.0000 2 L  7\n");
}

TEST_F(PelkinGenerationNumbers, TwoMarkersInARowStartOneSample) {
    // Once the generation number read after the first marker met the second and failed.
    const auto run = Convert("T\nL\nPop\nPop\n1 a, 0101\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, EmptySampleNotice("3") + Summary("1", "1", "1", "1", "1", "0.0"));
    EXPECT_EQ(Read("pelkin.out"), "1 1 T\n1  \n1.0000 2 L  1\n");
}

TEST_F(PelkinGenerationNumbers, LocusNameBeginningWithPopIsAMarkerForTheGenerationNumbers) {
    const auto run = Convert("T\nPopulation\nLoc2\nPop\n5 a, 0101 0101\n");
    EXPECT_EQ(run.status, 106);
    EXPECT_EQ(Files(), (Names{"data.gen"}));
}

TEST_F(PelkinGenerationNumbers, NumberOutside32BitsOrRunningIntoTheCommaDoesNotRead) {
    EXPECT_EQ(Convert("T\nL\nPop\n2147483648 a, 0101\n").status, 106);
    EXPECT_EQ(Convert("T\nL\nPop\n12, 0101\n").status, 106);
}

TEST_F(PelkinGenerationNumbers, NumbersWithPrefixesAndAtThe32BitLimitsAreRead) {
    Convert("T\nL\nPop\n$FFFFFFFF a, 0101\nPop\n-2147483648 b, 0101\nPop\n0x10 c, 0101\n");
    EXPECT_EQ(Read("pelkin.out"), "3 1 T\n1  \n"
                                  "1.0000 2 L  -1\n1.0000 2 L  -2147483648\n1.0000 2 L  16\n");
}

// ---- File failures ----

TEST_F(PelkinFileFailures, MissingFileFailsRightAfterThePrompt) {
    const auto run = Run("absent.gen\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, IntroAndPrompt + Report(2, "00401010", "00401000"));
    // Once nothing on standard error.
    EXPECT_EQ(run.err, "Pelkin: cannot open \"absent.gen\": No such file or directory\n");
    EXPECT_EQ(Files(), Names{});
}

TEST_F(PelkinFileFailures, EmptyNameOrNoInputNamesNoFile) {
    for (const std::string typed : {"\n", "", "\r\n"}) {
        const auto run = Run(typed);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, IntroAndPrompt + Report(2, "00401010", "00401000"));
    }
}

TEST_F(PelkinFileFailures, FolderNamedAsTheGenePopFileIsDeniedAtOpening) {
    std::filesystem::create_directory(dir / "data.gen");
    const auto run = Run();
    EXPECT_EQ(run.status, 5);
    EXPECT_EQ(run.out, IntroAndPrompt + Report(5, "00401010", "00401000"));
}

TEST_F(PelkinFileFailures, UnreadableFileIsDenied) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind the superuser";
    }
    Put("data.gen", SixLineExample);
    std::filesystem::permissions(dir / "data.gen", std::filesystem::perms::none);
    EXPECT_EQ(Run().status, 5);
}

TEST_F(PelkinFileFailures, NameTooLongIsError3) {
    const auto run = Run(std::string(300, 'n') + "\n");
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out, IntroAndPrompt + Report(3, "00401010", "00401000"));
}

TEST_F(PelkinFileFailures, PartFileThatCannotBeCreatedIsDeniedBeforeTheReading) {
    // Once the count file locus2, after locus 1 had been counted.
    std::filesystem::create_directory(dir / "pelkin.out.part");
    const auto run = Convert(SixLineExample);
    EXPECT_EQ(run.status, 5);
    EXPECT_EQ(run.out, IntroAndPrompt + Report(5, "00402040", "00402000"));
    EXPECT_EQ(run.err, "Pelkin: cannot create \"pelkin.out.part\": Is a directory\n");
    EXPECT_EQ(Files(), (Names{"data.gen", "pelkin.out.part"}));
}

TEST_F(PelkinFileFailures, FrequencyFileThatCannotBeCreatedIsDenied) {
    std::filesystem::create_directory(dir / "pelkin.out");
    const auto run = Convert(SixLineExample);
    EXPECT_EQ(run.status, 5);
    EXPECT_EQ(run.out, IntroAndPrompt + Report(5, "00404040", "00404000"));
    EXPECT_EQ(run.err, "Pelkin: cannot create \"pelkin.out\": Is a directory\n");
    EXPECT_EQ(Files(), (Names{"data.gen", "pelkin.out"}));
}

TEST_F(PelkinFileFailures, FrequencyFileThatIsALinkIsReplacedByTheFile) {
    // Once written through: a link to /dev/full failed the run with error 101.
    std::filesystem::create_symlink("/dev/full", dir / "pelkin.out");
    const auto run = Convert(SixLineExample);
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(
        std::filesystem::is_regular_file(std::filesystem::symlink_status(dir / "pelkin.out")));
    EXPECT_EQ(Read("pelkin.out").size(), 65U);
}

} // namespace
