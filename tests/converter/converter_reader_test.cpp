// The GenePop reader and the allele tallies, rule by rule: what the counting step leaves in the
// run state and the tallies for inputs that each exercise one rule.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>

#include "allele_tallies.h"
#include "count_in_dir.h"
#include "run_state.h"

namespace {

// ---- Markers ----

TEST(ConverterMarkers, PopWithTextAndPopulationStartGenerationsButIndentedPopDoesNot) {
    CountingDir dir;
    dir.Count("T\nA\npop\n1 a, 0101\nPop 2\n2 b, 0202\nPOPULATION\n3 c, 0303\n Pop\n3 d, 0404\n");
    EXPECT_EQ(n_gen, 3);
    EXPECT_EQ(dir.Copies(), 8);
    EXPECT_EQ(dir.Counts(1), "  3  4\n"
                             "    2    0    0    0\n"
                             "    0    2    0    0\n"
                             "    0    0    2    2\n");
}

TEST(ConverterMarkers, OnlyAMarkerWithNothingButBlanksAfterItEndsTheLocusNames) {
    CountingDir dir;
    // Blanks and tabs after the marker once made it a locus name, as "Pop 1" still is.
    dir.Count("T\nPOp\nPop 1\nPopulation\nPop \t\n1 a, 0101 0202 0303\n");
    ASSERT_EQ(n_loc, 3);
    EXPECT_EQ(loc_name[1], "POp");
    EXPECT_EQ(loc_name[2], "Pop 1");
    EXPECT_EQ(loc_name[3], "Population");
    EXPECT_EQ(n_gen, 1);
    EXPECT_EQ(dir.Counts(3), "  1  1\n    2\n");
}

TEST(ConverterMarkers, NamesAndTitleAreCutToTheirFieldLengths) {
    CountingDir dir;
    // Names were once cut at 15 characters, which made SNP names such as these collide.
    const std::string long_title(100, 't');
    const std::string longest = "contig_" + std::string(248, 'x');
    dir.Count(long_title + "\ncontig_19566_A_17\ncontig_19566_A_18\n" + longest + "yz\n" + longest +
              " \t, " + longest + " z\nPop\n1 a, 0101 0101 0101 0101 0101\n");
    EXPECT_EQ(title, std::string(80, 't'));
    ASSERT_EQ(n_loc, 5);
    EXPECT_EQ(loc_name[1], "contig_19566_A_17");
    EXPECT_EQ(loc_name[2], "contig_19566_A_18");
    EXPECT_EQ(loc_name[3], longest);
    // A comma-separated name loses its blanks at the end only where the name ends.
    EXPECT_EQ(loc_name[4], longest);
    EXPECT_EQ(loc_name[5], longest);
}

// ---- Locus names: one per line, or separated by commas ----

TEST(ConverterLocusNames, CommaSeparatedNamesAreTrimmedCutAndEmptyPiecesDropped) {
    CountingDir dir;
    dir.Count("T\n 136255903, 136257048,\t,Very-long-locus-name-17 \nLast\nPop\n"
              "1 a, 0101 0202 0303 0404\n");
    ASSERT_EQ(n_loc, 4);
    EXPECT_EQ(loc_name[1], "136255903");
    EXPECT_EQ(loc_name[2], "136257048");
    EXPECT_EQ(loc_name[3], "Very-long-locus-name-17");
    EXPECT_EQ(loc_name[4], "Last");
    EXPECT_EQ(dir.Counts(4), "  1  1\n    2\n");
}

TEST(ConverterLocusNames, BlankLinesAndLinesWithoutCommasAreNamesAsTheyStand) {
    CountingDir dir;
    dir.Count("T\n\n  Loc 2  \nPop\n1 a, 0101 0202\n");
    ASSERT_EQ(n_loc, 2);
    EXPECT_EQ(loc_name[1], "");
    EXPECT_EQ(loc_name[2], "  Loc 2  ");
}

// ---- Line ends ----

TEST(ConverterLineEnds, LineFeedCarriageReturnPairAndCarriageReturnAloneReadAlike) {
    // The empty line is passed over before the marker in every variant.
    const std::string lf = "T\nA\nB\nPop\n1 a, 0101 0202\n1 b, 0102 0201\n\nPop\n2 c, 0303 0101\n";
    const auto with_line_end = [&lf](const std::string& line_end) {
        std::string text;
        for (const char c : lf) {
            text += c == '\n' ? line_end : std::string(1, c);
        }
        return text;
    };
    const std::array<std::pair<const char*, std::string>, 4> variants{{
        {"LF", lf},
        {"CR LF", with_line_end("\r\n")},
        {"CR", with_line_end("\r")},
        {"no final line end", lf.substr(0, lf.size() - 1)},
    }};
    for (const auto& [name, converted] : variants) {
        SCOPED_TRACE(name);
        CountingDir dir;
        dir.Count(converted);
        EXPECT_EQ(n_gen, 2);
        EXPECT_EQ(dir.Copies(), 6);
        EXPECT_EQ(dir.Counts(1), "  2  3\n    3    1    0\n    0    0    2\n");
        EXPECT_EQ(dir.Counts(2), "  2  2\n    1    3\n    2    0\n");
    }
}

// ---- Head scan ----

TEST(ConverterHeadScan, NoCommaAmongTheFirst250CharactersEndsThePass) {
    CountingDir dir;
    // The first head is 250 characters with its comma; the second reaches its comma at 251.
    dir.Count("T\nA\nPop\n1 " + std::string(247, 'x') + ", 0101\n1 " + std::string(248, 'y') +
              ", 0202\n1 c, 0303\n");
    EXPECT_EQ(dir.Copies(), 2);
    EXPECT_EQ(dir.Counts(1), "  1  1\n    2\n");
}

TEST(ConverterHeadScan, BlankLinesBeforeAMarkerNoLongerHideIt) {
    CountingDir dir;
    // Once such a marker was merged into the generation before: one generation of 3 copies
    // of each kind. Now each marker starts its own generation.
    dir.Count("T\nA\nPop\n1 a, 0101\n\nPop\n2 b, 0202\n \t \nPop\n3 c, 0303\n" +
              std::string(300, ' ') + "\nPop\n4 d, 0404\n\n\n");
    EXPECT_EQ(n_gen, 4);
    EXPECT_EQ(dir.Copies(), 8);
    EXPECT_EQ(dir.Counts(1), "  4  4\n"
                             "    2    0    0    0\n"
                             "    0    2    0    0\n"
                             "    0    0    2    0\n"
                             "    0    0    0    2\n");
}

TEST(ConverterHeadScan, TextBeforeTheCommaMaySpanLines) {
    CountingDir dir;
    dir.Count("T\nA\nPop\n1 a\nstill the head, 0101\n1 b, 0202\n");
    EXPECT_EQ(dir.Copies(), 4);
    EXPECT_EQ(dir.Counts(1), "  1  2\n    2    2\n");
}

TEST(ConverterHeadScan, MarkersWithoutIndividualsStartNoSample) {
    // A marker at the end of the file once counted a sample of two missing copies, and two
    // markers in a row a sample of none (rows of PelkinCases show both); blank lines between
    // them change nothing, nor a line without a comma after the last.
    for (const std::string genepop : {"T\nA\nPop\n \n\t\nPop\n1 a, 0101\nPop\n\npop\n  \n",
                                      "T\nA\nPop\n1 a, 0101\nPop\nno comma\n"}) {
        CountingDir dir;
        dir.Count(genepop);
        EXPECT_EQ(n_gen, 1) << genepop;
        EXPECT_EQ(dir.Copies(), 2);
        EXPECT_EQ(dir.Counts(1), "  1  1\n    2\n");
    }
}

} // namespace
