#include "table_digits.h"

#include <cmath>
#include <cstdio>
#include <sstream>
#include <vector>

#include "tsv_table.h"

namespace testing_support {

namespace {

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

// A table cell as the report prints its value with `decimals` decimals.
std::string Printed(const std::string& cell, int decimals) {
    double value = 0;
    if (!TsvNumber(cell, value)) {
        return "(no number: " + cell + ")";
    }
    if (std::isnan(value)) {
        return "nan";
    }
    if (std::isinf(value)) {
        return value > 0 ? "inf" : "-inf";
    }
    std::vector<char> text(400);
    std::snprintf(text.data(), text.size(), "%.*f", decimals, value);
    return text.data();
}

struct Check {
    const char* column;
    int decimals; // -1: the cell as it stands
};

// The report's lines in order, each split into words after the label that opens it.
class ReportLines {
  public:
    explicit ReportLines(const std::string& report) {
        std::istringstream in(report);
        for (std::string line; std::getline(in, line);) {
            lines_.push_back(line);
        }
    }
    // The words after `label` on the next line that begins with it (after blanks), from the
    // current line on; empty and at the end when there is none.
    std::vector<std::string> Next(const std::string& label) {
        for (; at_ < lines_.size(); ++at_) {
            const std::string& line = lines_[at_];
            const std::size_t start = line.find_first_not_of(' ');
            if (start != std::string::npos && line.compare(start, label.size(), label) == 0) {
                return Words(lines_[at_++].substr(start + label.size()));
            }
        }
        return {};
    }
    // The words of the next line, which must hold a row of the report.
    std::vector<std::string> Row() {
        return at_ < lines_.size() ? Words(lines_[at_++]) : std::vector<std::string>{};
    }

  private:
    std::vector<std::string> lines_;
    std::size_t at_ = 0;
};

std::string Compare(const TsvTable& table, std::size_t row, const std::vector<Check>& checks,
                    const std::vector<std::string>& words, const std::string& where) {
    if (words.size() < checks.size()) {
        return where + ": the report has " + std::to_string(words.size()) + " values, not " +
               std::to_string(checks.size());
    }
    for (std::size_t i = 0; i < checks.size(); ++i) {
        const std::string cell = table.Cell(row, checks[i].column);
        const std::string shown = checks[i].decimals < 0 ? cell : Printed(cell, checks[i].decimals);
        if (shown != words[i]) {
            return where + ", column " + checks[i].column + ": the table's " + cell +
                   " prints as " + shown + ", the report has " + words[i];
        }
    }
    return "";
}

std::string CompareJackknife(const TsvTable& table, std::size_t row, ReportLines& report,
                             const std::string& where) {
    std::vector<std::string> mean = report.Next("Mean:");
    if (mean.size() == 4) {
        mean.erase(mean.begin() + 2); // the jackknife's t, which the table does not carry
    }
    std::string fault =
        Compare(table, row, {{"jk_Fs_mean", 7}, {"jk_Fsp_mean", 7}, {"jk_Ne_mean", 0}}, mean,
                where + " Mean");
    fault += fault.empty() ? Compare(table, row, {{"jk_Fs_se", 7}, {"jk_Fsp_se", 7}},
                                     report.Next("SE:"), where + " SE")
                           : "";
    fault += fault.empty() ? Compare(table, row,
                                     {{"jk_Fs_lower", 7}, {"jk_Fsp_lower", 7}, {"jk_Ne_lower", 0}},
                                     report.Next("Lower ( 2.5%) limit:"), where + " Lower")
                           : "";
    fault += fault.empty() ? Compare(table, row,
                                     {{"jk_Fs_upper", 7}, {"jk_Fsp_upper", 7}, {"jk_Ne_upper", 0}},
                                     report.Next("Upper (97.5%) limit:"), where + " Upper")
                           : "";
    return fault;
}

// A row of the table that the report marks "fixed": NA in its Fs, Fs', t and Ne.
bool FixedCellsAreNa(const TsvTable& table, std::size_t row) {
    for (const char* column : {"Fs", "Fs_prime", "t", "Ne"}) {
        if (table.Cell(row, column) != "NA") {
            return false;
        }
    }
    return true;
}

// Every jackknife and log-scale cell of a row is NA.
bool LimitCellsAreNa(const TsvTable& table, std::size_t row) {
    const int first = table.Column("jk_Fs_mean");
    for (std::size_t column = static_cast<std::size_t>(first); column < table.header.size();
         ++column) {
        if (table.rows[row][column] != "NA") {
            return false;
        }
    }
    return true;
}

std::string CompareRow(const TsvTable& table, std::size_t row, ReportLines& report,
                       const std::string& interval) {
    const bool all_loci = table.Cell(row, "locus") == "all";
    const std::string where = "row " + std::to_string(row + 1) + " (" + interval + ")";
    std::vector<std::string> words = report.Row();
    if (all_loci) {
        if (words.size() < 2 || words[0] != "All" || words[1] != "loci") {
            return where + ": the report has no all-loci row here";
        }
        words.erase(words.begin(), words.begin() + 2);
    } else if (words.empty() || words[0] != table.Cell(row, "locus")) {
        return where + ": the report's row is not that of locus " + table.Cell(row, "locus");
    } else {
        words.erase(words.begin());
    }
    const int size_decimals = all_loci ? 1 : 0;
    if (words.size() == 4 && words[3] == "fixed") {
        std::string fault =
            Compare(table, row, {{"alleles", -1}, {"S1", size_decimals}, {"S2", size_decimals}},
                    words, where);
        if (fault.empty() && !FixedCellsAreNa(table, row)) {
            fault = where + ": fixed in the report, but not NA in the table";
        }
        if (fault.empty() && all_loci && !LimitCellsAreNa(table, row)) {
            fault = where + ": no jackknife in the report, but limits in the table";
        }
        return fault;
    }
    std::string fault = Compare(table, row,
                                {{"alleles", -1},
                                 {"S1", size_decimals},
                                 {"S2", size_decimals},
                                 {"Fs", 7},
                                 {"Fs_prime", 7},
                                 {"t", 1},
                                 {"Ne", 0}},
                                words, where);
    if (fault.empty() && all_loci) {
        fault = CompareJackknife(table, row, report, where);
    }
    if (fault.empty() && !all_loci && !LimitCellsAreNa(table, row)) {
        fault = where + ": a locus row with limits";
    }
    return fault;
}

} // namespace

std::string TableAgainstReport(const std::string& table_text, const std::string& report_text) {
    const TsvTable table = ReadTsv(table_text);
    if (!table.fault.empty()) {
        return "the table: " + table.fault;
    }
    ReportLines report(report_text);
    std::string interval;
    for (std::size_t row = 0; row < table.rows.size(); ++row) {
        const std::string from_to = table.Cell(row, "from") + " to " + table.Cell(row, "to");
        if (row == 0 || table.Cell(row - 1, "locus") == "all") {
            const std::vector<std::string> words =
                report.Next("Estimated drift (Fs') and Ne over the interval from");
            interval = words.size() == 3 ? words[0] + " to " + words[2] : "";
            if (interval != from_to + ":") {
                return "row " + std::to_string(row + 1) + ": the report's next interval is " +
                       (interval.empty() ? "missing" : interval) + ", the table's " + from_to;
            }
            report.Row(); // the column header
        }
        const std::string fault = CompareRow(table, row, report, from_to);
        if (!fault.empty()) {
            return fault;
        }
    }
    if (!report.Next("Estimated drift (Fs') and Ne over the interval from").empty()) {
        return "the report has an interval that the table has not";
    }
    return "";
}

} // namespace testing_support
