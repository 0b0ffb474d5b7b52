// The report's intervals as a results table implies them: every row of the table printed in
// the report's layout, with its numbers rounded as the report rounds them, so that a test can
// hold the table against the report of the same run byte for byte.
#pragma once

#include <string>

namespace testing_support {

// The text between the report's preamble and its legend that the table's rows print as; a line
// that names what is wrong when the text is not a table.
std::string IntervalsOfTable(const std::string& table);

} // namespace testing_support
