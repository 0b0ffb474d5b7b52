#include "generation_search.h"

#include <string>
#include <vector>

#include "genepop_reader.h"
#include "number_text.h"

namespace {

// The integer read takes at most this many characters of a word.
constexpr std::size_t MaxWord = 255;
constexpr std::size_t MarkerLength = 3;

enum class Place {
    Title,      // in the title line, which is dropped
    LineStart,  // among a line's first three characters
    InLine,     // in the rest of a line that is no marker
    MarkerLine, // in the rest of a marker line
    SeekWord,   // after a marker line, before its number
    Word,       // in the number's word
    Done        // a number did not read: nothing more is wanted
};

struct Search {
    Place place = Place::Done;
    bool after_return = false; // the last character was a carriage return ending a line
    std::string first;         // the first characters of the line
    std::string word;
    bool word_at_line_start = false;
    bool at_line_start = false; // the last character passed over was a line end
    bool only_blank = true;     // nothing but blanks, tabs and line ends since the marker line
    std::uint64_t offset = 0;   // where the next character shown stands in the file
    std::uint64_t word_last_at = 0;
    std::vector<std::int32_t> numbers;
    UnreadNumber unread;
};

Search search;

bool IsLineEnd(char c) {
    return c == '\n' || c == '\r';
}

// A word that begins a marker line, after nothing but blank lines since the marker before it,
// makes that marker start no sample; the word's line is then the marker whose number is sought.
void FinishWord() {
    if (search.word_at_line_start && search.only_blank &&
        IsMarker(std::string_view(search.word).substr(0, MarkerLength))) {
        search.place = Place::MarkerLine;
        return;
    }
    const auto number = ConvertInteger(search.word);
    if (!number) {
        search.unread = {static_cast<std::int32_t>(search.numbers.size()) + 1, search.word_last_at};
        search.place = Place::Done;
        return;
    }
    search.numbers.push_back(*number);
    search.place = Place::LineStart;
    search.first.clear();
}

// A line end ends the line read or dropped; a carriage return may have its line feed after it.
void EndLine(char c, Place next) {
    search.after_return = c == '\r';
    search.place = next;
    search.first.clear();
    search.at_line_start = true;
    search.only_blank = true;
}

void SeeLineStart(char c) {
    if (IsLineEnd(c)) {
        EndLine(c, Place::LineStart);
        return;
    }
    search.first.push_back(c);
    if (search.first.size() == MarkerLength) {
        search.place = IsMarker(search.first) ? Place::MarkerLine : Place::InLine;
    }
}

void SeeBeforeWord(char c) {
    if (static_cast<unsigned char>(c) <= ' ') {
        search.only_blank = search.only_blank && (c == ' ' || c == '\t' || IsLineEnd(c));
        search.at_line_start = IsLineEnd(c);
        return;
    }
    search.word.assign(1, c);
    search.word_at_line_start = search.at_line_start;
    search.word_last_at = search.offset;
    search.place = Place::Word;
}

// One character in a place where each one counts.
void SeeOne(char c) {
    switch (search.place) {
    case Place::LineStart:
        SeeLineStart(c);
        return;
    case Place::SeekWord:
        SeeBeforeWord(c);
        return;
    case Place::Word:
        if (static_cast<unsigned char>(c) > ' ' && search.word.size() < MaxWord) {
            search.word.push_back(c);
            search.word_last_at = search.offset;
            return;
        }
        // The character after the word begins the rest of its line, which is read as a line.
        FinishWord();
        if (search.place == Place::LineStart) {
            SeeLineStart(c);
        } else if (search.place == Place::MarkerLine && IsLineEnd(c)) {
            EndLine(c, Place::SeekWord);
        }
        return;
    default:
        return;
    }
}

void See(void* /*state*/, std::string_view chunk) {
    std::size_t at = 0;
    while (at < chunk.size() && search.place != Place::Done) {
        const char c = chunk[at];
        if (search.after_return) {
            search.after_return = false;
            if (c == '\n') {
                ++at;
                ++search.offset;
                continue;
            }
        }
        const Place place = search.place;
        if (place == Place::Title || place == Place::InLine || place == Place::MarkerLine) {
            // The rest of a line is passed over up to its end.
            const std::size_t end = at + LineEndIn(chunk.substr(at));
            search.offset += end - at;
            at = end;
            if (at < chunk.size()) {
                EndLine(chunk[at], place == Place::MarkerLine ? Place::SeekWord : Place::LineStart);
                ++at;
                ++search.offset;
            }
            continue;
        }
        SeeOne(c);
        ++at;
        ++search.offset;
    }
}

} // namespace

void StartGenerationSearch(TextFile& text) {
    search = Search{};
    search.place = Place::Title;
    WatchText(text, TextWatch{See, nullptr});
}

bool SearchNeedsMore(std::int32_t samples) {
    return search.place != Place::Done &&
           static_cast<std::int32_t>(search.numbers.size()) < samples;
}

void EndGenerationSearch(TextFile& text) {
    if (search.place == Place::Word) {
        FinishWord();
    }
    WatchText(text, TextWatch{});
}

std::int32_t FoundNumber(std::int32_t sample) {
    const auto at = static_cast<std::size_t>(sample - 1);
    return at < search.numbers.size() ? search.numbers[at] : 0;
}

UnreadNumber FirstUnreadNumber() {
    return search.unread;
}
