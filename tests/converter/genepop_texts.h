// GenePop texts as the whole-program tests build them: a text with other line ends, a line
// repeated, and the files of the corpus in tests/converter/data.
#pragma once

#include <string>

// `text` with each line feed replaced by `line_end`.
std::string WithLineEnds(const std::string& text, const std::string& line_end);

// `text` `times` times over.
std::string Repeated(const std::string& text, int times);

// The bytes of the corpus file `name`.
std::string CorpusFile(const std::string& name);
