#include "genepop_texts.h"

#include "program_run.h"

std::string WithLineEnds(const std::string& text, const std::string& line_end) {
    std::string out;
    for (const char c : text) {
        out += c == '\n' ? line_end : std::string(1, c);
    }
    return out;
}

std::string Repeated(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += text;
    }
    return out;
}

std::string CorpusFile(const std::string& name) {
    return testing_support::ReadFile(std::string(CONVERTER_DATA_DIR) + "/" + name);
}
