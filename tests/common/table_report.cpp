#include "table_report.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "expected_report.h"
#include "tsv_table.h"

namespace testing_support {

namespace {

// A cell as printf's "%*.*f" prints its number, with "nan" for NA and "inf" for Inf.
std::string Field(const std::string& cell, int width, int decimals) {
    double value = 0;
    std::vector<char> text(400);
    if (!TsvNumber(cell, value)) {
        return "(" + cell + ")";
    }
    if (std::isnan(value) || std::isinf(value)) {
        const char* name = std::isnan(value) ? "nan" : value > 0 ? "inf" : "-inf";
        std::snprintf(text.data(), text.size(), "%*s", width, name);
    } else {
        std::snprintf(text.data(), text.size(), "%*.*f", width, decimals, value);
    }
    return text.data();
}

std::string Text(const char* format, const std::string& cell) {
    std::vector<char> text(400 + cell.size());
    std::snprintf(text.data(), text.size(), format, cell.c_str());
    return text.data();
}

struct Row {
    const TsvTable& table;
    std::size_t row;
    std::string operator()(const char* column, int width, int decimals) const {
        return Field(table.Cell(row, column), width, decimals);
    }
};

// Fs, Fs', t and Ne, as a row and the jackknife's mean print them.
std::string Statistics(const Row& r, const char* Fs, const char* Fs_prime, const std::string& t,
                       const char* Ne) {
    return r(Fs, 12, 7) + " " + r(Fs_prime, 12, 7) + " " + t + "  " + r(Ne, 8, 0);
}

std::string Jackknife(const Row& r, int loci, const std::string& t) {
    return "\nJackknife over " + std::to_string(loci) +
           " loci (assumed independent):" + "\n                      Mean:       " +
           Statistics(r, "jk_Fs_mean", "jk_Fsp_mean", t, "jk_Ne_mean") +
           "\n                        SE:       " + r("jk_Fs_se", 12, 7) + " " +
           r("jk_Fsp_se", 12, 7) + "\n95% Confidence intervals (Mean -/+ 1.96*SE):" +
           "\n       Lower ( 2.5%) limit:       " + r("jk_Fs_lower", 12, 7) + " " +
           r("jk_Fsp_lower", 12, 7) + "         " + r("jk_Ne_lower", 8, 0) +
           "\n       Upper (97.5%) limit:       " + r("jk_Fs_upper", 12, 7) + " " +
           r("jk_Fsp_upper", 12, 7) + "         " + r("jk_Ne_upper", 8, 0);
}

} // namespace

std::string IntervalsOfTable(const std::string& table_text) {
    const TsvTable table = ReadTsv(table_text);
    if (!table.fault.empty()) {
        return "not a table: " + table.fault + "\n";
    }
    std::string text;
    std::size_t first = 0; // the first row of the interval
    for (std::size_t row = 0; row < table.rows.size(); ++row) {
        const Row r{table, row};
        const bool all_loci = table.Cell(row, "locus") == "all";
        const bool fixed = table.Cell(row, "Fs") == "NA";
        if (row == first) {
            text += "Estimated drift (Fs') and Ne over the interval from " +
                    Field(table.Cell(row, "from"), 4, 0) + " to " +
                    Field(table.Cell(row, "to"), 4, 0) + ":\n" + column_header;
        }
        text += all_loci ? "\n  All loci" + Field(table.Cell(row, "alleles"), 6, 0) + "    " +
                               r("S1", 6, 1) + "  " + r("S2", 6, 1)
                         : Text("\n%10s", table.Cell(row, "locus")) +
                               Field(table.Cell(row, "alleles"), 6, 0) + "  " + r("S1", 6, 0) +
                               "  " + r("S2", 6, 0) + "  ";
        text +=
            fixed ? "   fixed            " : Statistics(r, "Fs", "Fs_prime", r("t", 6, 1), "Ne");
        if (all_loci && !fixed) {
            // The jackknife's t is that of the set without the last locus: none when no other
            // locus uses an allele.
            bool others_used = false;
            for (std::size_t locus = first; locus + 1 < row; ++locus) {
                others_used = others_used || table.Cell(locus, "alleles") != "0";
            }
            text +=
                Jackknife(r, static_cast<int>(row - first), others_used ? r("t", 6, 1) : "   0.0");
        }
        if (all_loci) {
            text += "\n\n";
            first = row + 1;
        }
    }
    return text;
}

} // namespace testing_support
