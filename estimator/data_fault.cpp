#include "data_fault.h"

#include <cstdio>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

#include "error.h"
#include "messages.h"

namespace {

// How much of a line is quoted.
constexpr std::size_t QuotedLength = 20;
// How far a line that is "Pop" is looked for.
constexpr int GenePopLines = 1000;

// A line of the data file as the search keeps it: its number, its first characters, and
// whether all that follows them is blank.
struct LineStart {
    std::uint64_t number = 0;
    std::string start;
    bool rest_blank = true;
};

bool IsBlank(int c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// The first characters of a line, without a carriage return at its end, and never cut inside
// a character of several bytes.
std::string Quoted(std::string text) {
    if (!text.empty() && text.back() == '\r') {
        text.pop_back();
    }
    if (text.size() == QuotedLength) {
        std::size_t lead = text.size();
        while (lead > 0 && (static_cast<unsigned char>(text[lead - 1]) & 0xC0) == 0x80) {
            --lead;
        }
        const unsigned byte = lead > 0 ? static_cast<unsigned char>(text[lead - 1]) : 0;
        const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        if (text.size() - (lead - 1) < length) {
            text.resize(lead - 1);
        }
    }
    return "\"" + text + "\"";
}

// The word of a GenePop "Pop" line, blanks after it aside: Pop, POP or pop; empty for any other
// line.
std::string PopWord(const LineStart& line) {
    std::string_view word = line.start;
    while (!word.empty() && IsBlank(word.back())) {
        word.remove_suffix(1);
    }
    const bool pop = line.rest_blank && (word == "Pop" || word == "POP" || word == "pop");
    return pop ? std::string(word) : std::string();
}

// Whether `text` begins with an integer, in any base the reader takes, then a blank or its end;
// the integer is taken off `text`.
bool BeginsWithInteger(std::string_view& text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    std::size_t at = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    if (at >= text.size() || text[at] < '0' || text[at] > '9') {
        return false;
    }
    while (at < text.size() && !IsBlank(text[at])) {
        const char c = text[at];
        const bool digit = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') ||
                           (c >= 'A' && c <= 'F') || c == 'x' || c == 'X';
        if (!digit) {
            return false;
        }
        ++at;
    }
    text.remove_prefix(at);
    return true;
}

// What a second reading of the file finds: the line the offset stands in, or that the file ends
// there, and a "Pop" line when the first line does not begin with two integers.
struct Found {
    bool read = false;
    bool at_end = false;
    LineStart at;
    LineStart pop;
};

// Takes the line that has just ended at `place` (where its line end or the file's end stands)
// into what the search has found; true when nothing more is to be found.
bool TakeLine(Found& found, const LineStart& line, std::uint64_t place, bool file_end,
              std::uint64_t offset, bool& genepop_like) {
    if (line.number == 1) {
        std::string_view first = line.start;
        genepop_like = !BeginsWithInteger(first) || !BeginsWithInteger(first);
    }
    if (genepop_like && found.pop.number == 0 && line.number <= GenePopLines &&
        !PopWord(line).empty()) {
        found.pop = LineStart{line.number, PopWord(line), true};
    }
    const bool located = found.at.number != 0 || found.at_end;
    if (!located && (offset <= place || file_end)) {
        // A read that stopped at the file's end stopped after its last line.
        found.at_end = file_end && offset >= place;
        found.at = line;
        found.at.number -= found.at_end && line.start.empty() ? 1 : 0;
    }
    const bool genepop_settled =
        !genepop_like || found.pop.number != 0 || line.number >= GenePopLines;
    return file_end || (offset <= place && genepop_settled);
}

Found Search(const std::string& path, std::uint64_t offset) {
    Found found;
    // A named pipe is not opened again: its open would wait for a writer, and what it gave is
    // gone.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat status {};
    std::FILE* file =
        fd >= 0 && fstat(fd, &status) == 0 && S_ISREG(status.st_mode) ? fdopen(fd, "r") : nullptr;
    if (file == nullptr && fd >= 0) {
        close(fd);
    }
    found.read = file != nullptr;
    bool genepop_like = false;
    LineStart line{1, {}, true};
    for (std::uint64_t place = 0; found.read; ++place) {
        const int c = std::fgetc(file);
        if (c == EOF || c == '\n') {
            if (TakeLine(found, line, place, c == EOF, offset, genepop_like)) {
                break;
            }
            line = LineStart{line.number + 1, {}, true};
        } else if (line.start.size() < QuotedLength) {
            line.start.push_back(static_cast<char>(c));
        } else if (!IsBlank(c)) {
            line.rest_blank = false;
        }
    }
    if (file != nullptr) {
        std::fclose(file);
    }
    return found;
}

} // namespace

void RefuseData(const std::string& path, std::uint64_t offset, const std::string& message,
                const std::string& expected) {
    const Found found = Search(path, offset);
    if (found.pop.number != 0) {
        Error(message, Say(Text::genepop_hint, {{"DATA", path},
                                                {"LINE", std::to_string(found.pop.number)},
                                                {"POP", Quoted(found.pop.start)}}));
    }
    if (!found.read) {
        Error(message,
              Say(Text::data_at_offset_hint,
                  {{"DATA", path}, {"OFFSET", std::to_string(offset)}, {"EXPECTED", expected}}));
    }
    if (found.at_end && found.at.number == 0) {
        Error(message, Say(Text::data_empty_hint, {{"DATA", path}, {"EXPECTED", expected}}));
    }
    if (found.at_end) {
        Error(message, Say(Text::data_at_end_hint, {{"DATA", path},
                                                    {"LINE", std::to_string(found.at.number)},
                                                    {"EXPECTED", expected}}));
    }
    Error(message, Say(Text::data_at_line_hint, {{"DATA", path},
                                                 {"LINE", std::to_string(found.at.number)},
                                                 {"START", Quoted(found.at.start)},
                                                 {"EXPECTED", expected}}));
}
