// A small reader of tab-separated tables, as R's read.delim takes them: a header row of column
// names, then rows of as many cells, every line ending with a line feed; "NA" is a missing
// number, "Inf" and "-Inf" are infinities.
#pragma once

#include <string>
#include <vector>

namespace testing_support {

struct TsvTable {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
    std::string fault; // what is wrong with the text as a table; empty when nothing is

    // The column's position, or -1 when the header has no column of that name.
    int Column(const std::string& name) const;
    // The cell of `row` in the column `name`; empty when there is no such column.
    std::string Cell(std::size_t row, const std::string& name) const;
};

TsvTable ReadTsv(const std::string& text);

// The number a cell holds: NA gives a quiet not-a-number, Inf and -Inf the infinities, anything
// else must be a decimal number, whole. Returns false when the cell holds no number.
bool TsvNumber(const std::string& cell, double& value);

} // namespace testing_support
