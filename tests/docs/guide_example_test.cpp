// The guide's worked example, run as the guide tells it: the bundled GenePop file converted by
// Pelkin with its name typed at the prompt, then estimated by Morvast under plan 1 with a
// census size of 200. What the programs write must be what the guide quotes, byte for byte;
// the table of the same run must hold the report's numbers, in columns that the guide and the
// manual page describe, and its figure must be the one the guide shows.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <vector>

#include "expected_report.h"
#include "guide_text.h"
#include "program_run.h"
#include "table_report.h"
#include "tsv_table.h"

namespace {

using docs_support::GuideBlock;

// Whether `word` stands in `text` with no letter, digit or underscore next to it.
bool HasWord(const std::string& text, const std::string& word) {
    const auto part_of_word = [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
    };
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        const std::size_t end = at + word.size();
        if ((at == 0 || !part_of_word(text[at - 1])) &&
            (end == text.size() || !part_of_word(text[end]))) {
            return true;
        }
    }
    return false;
}
using testing_support::ReadFile;
using testing_support::RunProgram;

TEST(GuideWorkedExample, PelkinOutAndReportAreThoseTheGuideQuotes) {
    const std::string guide = ReadFile(GUIDE_FILE);
    const std::string quoted_start =
        GuideBlock(guide, "start of pelkin.out for the worked example");
    const std::string quoted_report = GuideBlock(guide, "report of the worked example");
    ASSERT_NE(quoted_start, "") << "the guide has lost the quoted start of pelkin.out";
    ASSERT_NE(quoted_report, "") << "the guide has lost the quoted report";

    testing_support::TempDir dir;
    std::filesystem::copy_file(EXAMPLE_FILE, dir / "drift_example.gen");
    const auto converted = RunProgram(PELKIN_EXE, {}, "drift_example.gen\n", dir.path());
    ASSERT_EQ(converted.status, 0) << converted.out << converted.err;
    const std::string pelkin_out = ReadFile(dir / "pelkin.out");
    EXPECT_EQ(pelkin_out.substr(0, quoted_start.size()), quoted_start);

    const auto estimated =
        RunProgram(MORVAST_EXE, {"pelkin.out", "drift_example.report"}, "1\n200\n", dir.path());
    EXPECT_EQ(estimated.status, 0);
    EXPECT_EQ(estimated.err, "");
    EXPECT_EQ(ReadFile(dir / "drift_example.report"), quoted_report);
}

// The figure the guide shows is the one the programs draw today, in a scratch folder.
TEST(GuideWorkedExample, FigureIsTheOneTheGuideShows) {
    const std::filesystem::path shown =
        std::filesystem::path(GUIDE_FILE).parent_path() / "example_plot.svg";
    EXPECT_NE(ReadFile(GUIDE_FILE).find("](example_plot.svg)"), std::string::npos);
    testing_support::TempDir dir;
    std::filesystem::copy_file(EXAMPLE_FILE, dir / "drift_example.gen");
    ASSERT_EQ(RunProgram(PELKIN_EXE, {}, "drift_example.gen\n", dir.path()).status, 0);
    const auto estimated = RunProgram(
        MORVAST_EXE, {"--plot", "drift_example.svg", "pelkin.out", "drift_example.report"},
        "1\n200\n", dir.path());
    ASSERT_EQ(estimated.status, 0) << estimated.err;
    EXPECT_EQ(ReadFile(dir / "drift_example.svg"), ReadFile(shown))
        << "docs/example_plot.svg is not what the programs draw: replace it by this run's figure";
}

TEST(GuideWorkedExample, TableHoldsTheReportsNumbersInTheColumnsDescribed) {
    testing_support::TempDir dir;
    std::filesystem::copy_file(EXAMPLE_FILE, dir / "drift_example.gen");
    ASSERT_EQ(RunProgram(PELKIN_EXE, {}, "drift_example.gen\n", dir.path()).status, 0);
    const auto estimated =
        RunProgram(MORVAST_EXE, {"--table", "results.tsv", "pelkin.out", "drift_example.report"},
                   "1\n200\n", dir.path());
    ASSERT_EQ(estimated.status, 0) << estimated.err;
    const std::string table = ReadFile(dir / "results.tsv");
    EXPECT_EQ(ReadFile(dir / "drift_example.report"),
              Preamble("pelkin.out", 1) + testing_support::IntervalsOfTable(table) + legend);

    const testing_support::TsvTable read = testing_support::ReadTsv(table);
    ASSERT_EQ(read.fault, "");
    EXPECT_EQ(read.rows.size(), 26u); // two intervals of 12 loci and all loci
    const std::string guide = ReadFile(GUIDE_FILE);
    const std::string page = ReadFile(std::string(MAN_DIR) + "/Morvast.1");
    for (const std::string& column : read.header) {
        EXPECT_NE(guide.find("`" + column + "`"), std::string::npos) << column << " in the guide";
        EXPECT_TRUE(HasWord(page, column)) << column << " in the page";
    }

    // The guide's extract: the header and the all-loci rows, in the columns its awk and cut
    // command takes.
    std::string extract;
    for (std::size_t row = 0; row <= read.rows.size(); ++row) {
        if (row > 0 && read.rows[row - 1][3] != "all") {
            continue;
        }
        const std::vector<std::string>& cells = row == 0 ? read.header : read.rows[row - 1];
        for (const int column : {1, 2, 9, 20, 21, 26, 27}) {
            extract += cells.at(column - 1) + (column == 27 ? "\n" : "\t");
        }
    }
    EXPECT_EQ(GuideBlock(guide, "all-loci rows of the worked example's table"), extract);
}

} // namespace
