#include "tsv_table.h"

#include <cstdlib>
#include <limits>

namespace testing_support {

namespace {

std::vector<std::string> CellsOf(const std::string& line) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        cells.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos) {
            return cells;
        }
        start = tab + 1;
    }
}

} // namespace

int TsvTable::Column(const std::string& name) const {
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (header[i] == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string TsvTable::Cell(std::size_t row, const std::string& name) const {
    const int column = Column(name);
    return column < 0 ? std::string() : rows.at(row).at(static_cast<std::size_t>(column));
}

TsvTable ReadTsv(const std::string& text) {
    TsvTable table;
    if (text.empty() || text.back() != '\n') {
        table.fault = "the text does not end with a line feed";
        return table;
    }
    if (text.find('\r') != std::string::npos || text.find('"') != std::string::npos) {
        table.fault = "the text holds a carriage return or a double quote";
        return table;
    }
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        std::vector<std::string> cells = CellsOf(text.substr(start, end - start));
        start = end + 1;
        if (table.header.empty()) {
            table.header = std::move(cells);
            continue;
        }
        if (cells.size() != table.header.size()) {
            table.fault = "row " + std::to_string(table.rows.size() + 1) + " has " +
                          std::to_string(cells.size()) + " cells, the header " +
                          std::to_string(table.header.size());
            return table;
        }
        table.rows.push_back(std::move(cells));
    }
    return table;
}

bool TsvNumber(const std::string& cell, double& value) {
    if (cell == "NA") {
        value = std::numeric_limits<double>::quiet_NaN();
        return true;
    }
    if (cell == "Inf" || cell == "-Inf") {
        value = (cell[0] == '-' ? -1 : 1) * std::numeric_limits<double>::infinity();
        return true;
    }
    // strtod would take "inf" and "nan" too; a table number is digits, sign, point and exponent.
    if (cell.empty() || cell.find_first_not_of("0123456789+-.eE") != std::string::npos) {
        return false;
    }
    char* end = nullptr;
    value = std::strtod(cell.c_str(), &end);
    return end == cell.c_str() + cell.size();
}

} // namespace testing_support
