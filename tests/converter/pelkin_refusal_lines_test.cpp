// The line on standard error that every refusal adds to its message: the file, the line at
// fault where one line is (counted as the reads end lines, LF, CR LF or CR alone) with its
// first 20 characters, and what to change. Standard output and the status stay as they were.
#include <filesystem>
#include <string>
#include <vector>

#include "pelkin_fixture.h"

namespace {

class PelkinRefusalLines : public PelkinRun {};

using Names = std::vector<std::string>;

std::string WithLineEnds(const std::string& text, const std::string& line_end) {
    std::string out;
    for (const char c : text) {
        out += c == '\n' ? line_end : std::string(1, c);
    }
    return out;
}

std::string Report(int error, const std::string& where, const std::string& step) {
    return "Runtime error " + std::to_string(error) + " at $" + where + "\n  $" + where + "\n  $" +
           step + "\n\n";
}

// ---- Files read differently at some locus ----

TEST_F(PelkinRefusalLines, ShortLineIsNamedWhateverTheLineEnds) {
    for (const std::string line_end : {"\n", "\r\n", "\r"}) {
        SCOPED_TRACE(line_end == "\n" ? "LF" : line_end == "\r" ? "CR" : "CR LF");
        // Generations: locus 2's read of the short line runs into the marker line.
        auto run =
            Convert(WithLineEnds("T\nA\nB\nPop\n1 a, 0101\nPop\n2 b, 0202 0303\n", line_end));
        EXPECT_EQ(run.out, IntroAndPrompt + GenerationsMessage());
        EXPECT_EQ(run.err, "Pelkin: \"data.gen\" line 5 (\"1 a, 0101\"): the line ends before its "
                           "genotype of locus 2 (B), where 1 samples were counted against 2 at "
                           "locus 1; give every individual line one genotype per locus\n");
        // Individuals: locus 3's read of the second line takes the third.
        run = Convert(WithLineEnds("T\nA\nB\nC\nPop\n1 a, 0101 0101 0101\n1 b, 0202 0303\n"
                                   "1 c, 0202 0303 0404\n",
                                   line_end));
        EXPECT_EQ(run.out, IntroAndPrompt + IndividualsMessage());
        EXPECT_EQ(run.err, "Pelkin: \"data.gen\" line 7 (\"1 b, 0202 0303\"): the line ends "
                           "before its genotype of locus 3 (C), where 2 individuals were counted "
                           "against 3 at locus 1; give every individual line one genotype per "
                           "locus\n");
        // Equal counts: the short line is the last.
        run = Convert(WithLineEnds("T\nA\nB\nPop\n1 a, 0101 0202\n1 b, 0303\n", line_end));
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, IntroAndPrompt + IndividualsMessage());
        EXPECT_EQ(run.err, "Pelkin: \"data.gen\" line 6 (\"1 b, 0303\"): the line ends before its "
                           "genotype of locus 2 (B); give every individual line one genotype "
                           "per locus, each of 4 characters\n");
    }
}

TEST_F(PelkinRefusalLines, LongLineIsShownByItsFirst20Characters) {
    const auto run =
        Convert("T\nA\nB\nPop\n1 individual-with-a-long-name, 0101 02\n1 b, 0303 0404\n");
    EXPECT_EQ(run.err, "Pelkin: \"data.gen\" line 5 (\"1 individual-with-a-\"): the line ends "
                       "before its genotype of locus 2 (B), where 1 individuals were counted "
                       "against 2 at locus 1; give every individual line one genotype per locus\n");
}

// ---- Refusals of the header, the tables and the codes ----

TEST_F(PelkinRefusalLines, HeaderRefusalsSayWhatEndsTheLocusNames) {
    auto run = Convert("T\nA\nPop 1\n1 a, 0101\n");
    EXPECT_EQ(run.out, IntroAndPrompt + "No line POP, Pop or pop ends the locus names.\n");
    EXPECT_EQ(run.err, "Pelkin: \"data.gen\": no line after the title is Pop, POP or pop alone, "
                       "so the locus names never end; put such a line between the last locus "
                       "name and the first individual line\n");
}

TEST_F(PelkinRefusalLines, NegativeCodeNamesTheLine) {
    const auto run = Convert("T\nA\nB\nPop\n1 a, 0101 0101\n1 b, 0101 01-2\n");
    EXPECT_EQ(run.out, IntroAndPrompt + "Negative allele code at locus 2.\n");
    EXPECT_EQ(run.err, "Pelkin: \"data.gen\" line 6 (\"1 b, 0101 01-2\"): a negative allele code "
                       "at locus 2 (B); write every allele code in digits alone, a missing copy "
                       "as 00\n");
}

TEST_F(PelkinRefusalLines, InputThatWouldBeOverwrittenNamesTheFileItIs) {
    Put("pelkin.out.part", "T\nA\nB\nPop\n1 a, 0101 0101\n");
    const auto run = Run("pelkin.out.part\n");
    EXPECT_EQ(run.out,
              IntroAndPrompt +
                  "The input file has the name of a file this program writes; rename it.\n");
    EXPECT_EQ(run.err, "Pelkin: \"pelkin.out.part\" is the file \"pelkin.out.part\" that this run "
                       "writes; rename the GenePop file, or convert it in another folder\n");
}

// ---- Text from the file and the command line ----

// Locus names, a line's first characters, file names on the command line and typed at the
// prompt reach the console and standard error with every control byte, every byte outside
// valid UTF-8 and the C1 controls shown as \xHH and a backslash doubled; letters of any script
// stay, a NUL no longer cuts the line, and "pelkin.out" holds the name as it is.
TEST_F(PelkinRefusalLines, TextThatWouldSteerATerminalIsShownEscaped) {
    using namespace std::string_literals;
    const std::string raw = "A\x1b[2J\\\0\xC2\x9B\xC3\xA9\xFF\x7F"s;
    const std::string shown = "A\\x1B[2J\\\\\\x00\\xC2\\x9B\xC3\xA9\\xFF\\x7F";
    const std::string file = "d\x1b]0;x\x07\t.gen";
    const std::string file_shown = "d\\x1B]0;x\\x07\\x09.gen";
    Put(file, "T\n" + raw + "\nPop\n1 a, 0000\n");
    auto run = RunWith({file});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, IntroAndUsing(file));
    EXPECT_NE(run.out.find("Using data from " + file_shown + "\n"), std::string::npos);
    EXPECT_EQ(run.err, "Pelkin: locus 1 (" + shown +
                           ") has no typed copy in any generation, and Morvast refuses such a "
                           "locus; remove it from \"" + file_shown + "\"\n" +
                           Summary("1", "1", "1", "1", "0", "100.0"));
    EXPECT_EQ(Read("pelkin.out"), "1 1 T\n0  \n0 " + raw + "  1\n");

    Put("data.gen", "T\nA\nPop\n1 \x1b[31m\x9B, 01-1\n");
    run = Run();
    EXPECT_EQ(run.err, "Pelkin: \"data.gen\" line 4 (\"1 \\x1B[31m\\x9B, 01-1\"): a negative "
                       "allele code at locus 1 (A); write every allele code in digits alone, a "
                       "missing copy as 00\n");
    run = Run("no\x1b[2Jsuch\n");
    EXPECT_EQ(run.err, "Pelkin: cannot open \"no\\x1B[2Jsuch\": No such file or directory\n");
}

// ---- File failures ----

TEST_F(PelkinRefusalLines, UnreadableGenerationNumberNamesItsSampleAndLine) {
    for (const std::string line_end : {"\n", "\r\n", "\r"}) {
        const auto run =
            Convert(WithLineEnds("T\nL\nPop\n1 a, 0101\nPop\n\nG12 b, 0101\n", line_end));
        EXPECT_EQ(run.status, 106);
        EXPECT_EQ(run.out, IntroAndPrompt + Report(106, "00403060", "00403000"));
        EXPECT_EQ(run.err, "Pelkin: \"data.gen\" line 7 (\"G12 b, 0101\"): the generation number "
                           "of sample 2 cannot be read; begin the first individual line of each "
                           "sample with its generation number and a blank, or give the numbers "
                           "with --generations\n");
    }
}

TEST_F(PelkinRefusalLines, FileFailuresNameTheOperationTheFileAndTheReason) {
    auto run = Run("\n");
    EXPECT_EQ(run.err, "Pelkin: no file name was given; type the GenePop file's name at the "
                       "prompt, or give it on the command line\n");
    std::filesystem::create_directory(dir / "folder.gen");
    run = Run("folder.gen\n");
    EXPECT_EQ(run.status, 5);
    EXPECT_EQ(run.err, "Pelkin: cannot open \"folder.gen\": Is a directory\n");
    const std::string long_name(300, 'n');
    run = Run(long_name + "\n");
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.err, "Pelkin: cannot open \"" + long_name + "\": File name too long\n");

    const std::string genepop = "T\nA\nB\nPop\n1 a, 0101 0102\n";
    std::filesystem::create_directory(dir / "pelkin.out.part");
    run = Convert(genepop);
    EXPECT_EQ(run.out, IntroAndPrompt + Report(5, "00402040", "00402000"));
    EXPECT_EQ(run.err, "Pelkin: cannot create \"pelkin.out.part\": Is a directory\n");
}

} // namespace
