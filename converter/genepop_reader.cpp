#include "genepop_reader.h"

#include <cstdio>
#include <string>

#include "console.h"
#include "data_messages.h"
#include "file_failure.h"
#include "generation_search.h"
#include "messages.h"
#include "notices.h"
#include "run_state.h"

namespace {

// No comma among the first 250 characters of a line's head ends the reading.
constexpr int HeadLimit = 251;
constexpr std::size_t MarkerLength = 3;
constexpr std::size_t SixDigits = 6;

bool IsBlank(int c) {
    return c == ' ' || c == '\t';
}

// The names longer than 255 characters, told once after the header.
struct CutNames {
    std::int64_t count = 0;
    std::int32_t first = 0;
};

// `line_at` is where the line of the name begins, for the message that refuses a locus beyond
// the 32-bit count.
void StoreLocusName(std::string_view name, bool cut, std::uint64_t line_at, CutNames& cuts) {
    if (n_loc == MaxCount) {
        TooManyLoci(line_at);
    }
    ++n_loc;
    loc_name.Add(name);
    if (cut && cuts.count++ == 0) {
        cuts.first = n_loc;
    }
}

// One comma-separated name as it is read: blanks and tabs before it skipped, its first 255
// characters kept, and its blanks and tabs at the end dropped unless the name goes on past them.
class NamePiece {
  public:
    void Take(char c) {
        if (kept_.empty() && IsBlank(c)) {
            return;
        }
        if (kept_.size() < NameLength) {
            kept_.push_back(c);
        } else if (!IsBlank(c)) {
            longer_ = true;
        }
    }

    void Store(std::uint64_t line_at, CutNames& cuts) {
        if (!longer_) {
            while (!kept_.empty() && IsBlank(kept_.back())) {
                kept_.pop_back();
            }
        }
        if (!kept_.empty()) {
            StoreLocusName(kept_, longer_, line_at, cuts);
        }
        kept_.clear();
        longer_ = false;
    }

  private:
    std::string kept_;
    bool longer_ = false; // a character other than a blank or a tab follows the 255 kept
};

// The first characters of a line as the header keeps them, and whether the line ends the
// locus names: a marker, then only blanks and tabs.
struct LineStart {
    std::string kept;
    std::size_t length = 0;
    bool blank_after_marker = true;

    void Take(char c, std::size_t limit) {
        if (length >= MarkerLength && !IsBlank(c)) {
            blank_after_marker = false;
        }
        if (kept.size() < limit) {
            kept.push_back(c);
        }
        ++length;
    }

    bool EndsLocusNames() const {
        return length >= MarkerLength && IsMarker(std::string_view(kept).substr(0, MarkerLength)) &&
               blank_after_marker;
    }
};

// The next character of a line, or EndOfText at its end, whose line end is taken.
int NextOfLine(TextFile& text) {
    const int c = NextChar(text);
    if (c == '\r') {
        TakeLineFeed(text);
    }
    return c == '\n' || c == '\r' ? EndOfText : c;
}

// Reads one locus-name line and stores its names, unless it ends the names; true when it does.
bool ReadNameLine(TextFile& text, CutNames& cuts) {
    const std::uint64_t line_at = Offset(text);
    LineStart start;
    NamePiece piece;
    bool comma = false;
    for (int c = NextOfLine(text); c != EndOfText; c = NextOfLine(text)) {
        start.Take(static_cast<char>(c), NameLength);
        if (c == ',') {
            comma = true;
            piece.Store(line_at, cuts);
        } else {
            piece.Take(static_cast<char>(c));
        }
    }
    if (comma) {
        piece.Store(line_at, cuts);
        return false;
    }
    if (start.EndsLocusNames()) {
        return true;
    }
    StoreLocusName(start.kept, start.length > NameLength, line_at, cuts);
    return false;
}

void TakeGivenGenerations() {
    if (static_cast<std::int64_t>(given_gen_no.size()) != n_gen) {
        GenerationListDiffers();
    }
    gen_no.assign(given_gen_no.size() + 1, 0);
    std::copy(given_gen_no.begin(), given_gen_no.end(), gen_no.begin() + 1);
}

} // namespace

void OpenGenePop() {
    EnterStep(Step::OpenGenePop);
    std::optional<std::string> name;
    if (name_given) {
        PrintEmptyLines(3);
        const std::string using_data = Filled(Msg::UsingData, {{"file", given_name}}) + "\n";
        std::fwrite(using_data.data(), 1, using_data.size(), stdout);
        name = given_name;
    } else {
        name = AskFileName();
    }
    // The data cannot come from standard input: a refusal reads the file again to name a line.
    if (!name || name->empty() || name->find('\0') != std::string::npos) {
        FileFailure(FileOp::Open, NoSuchFile, TextOf(Msg::NoFileName));
    }
    in_name = *name;
    OpenText(infile, in_name);
}

void GetGenerations() {
    EnterStep(Step::GetGenerations);
    if (gen_no_given) {
        TakeGivenGenerations();
        return;
    }
    // The numbers on the other individual lines are never read, so they need not agree.
    const UnreadNumber unread = FirstUnreadNumber();
    if (unread.sample != 0 && unread.sample <= n_gen) {
        const LinePlace place = PlaceOf(in_name, unread.last_char_at);
        FileFailure(
            FileOp::ReadNumber, NotANumber,
            Filled(Msg::GenerationNumberUnread, {{"file", in_name},
                                                 {"line", std::to_string(place.number)},
                                                 {"start", place.start},
                                                 {"sample", std::to_string(unread.sample)}}));
    }
    gen_no.assign(static_cast<std::size_t>(n_gen) + 1, 0);
    for (std::int32_t p = 1; p <= n_gen; ++p) {
        gen_no[static_cast<std::size_t>(p)] = FoundNumber(p);
    }
}

bool IsMarker(std::string_view text) {
    return text == "POP" || text == "Pop" || text == "pop";
}

HeaderEnd ReadHeader(TextFile& text) {
    LineStart title_line;
    for (int c = NextOfLine(text); c != EndOfText; c = NextOfLine(text)) {
        title_line.Take(static_cast<char>(c), TitleLength);
    }
    title = title_line.kept;
    const HeaderEnd title_end{0, Offset(text)};
    CutNames cuts;
    std::uint64_t line_at = 0;
    do {
        if (AtEnd(text)) {
            NoMarkerAfterNames();
        }
        line_at = Offset(text);
    } while (!ReadNameLine(text, cuts));
    loc_name.Settle();
    if (cuts.count > 0) {
        NamesCut(cuts.count, cuts.first);
    }
    return title_line.EndsLocusNames() ? title_end : HeaderEnd{line_at, Offset(text)};
}

void PassHeader(TextFile& text) {
    while (!AtEnd(text)) {
        LineStart start;
        for (int c = NextOfLine(text); c != EndOfText; c = NextOfLine(text)) {
            start.Take(static_cast<char>(c), MarkerLength);
        }
        if (start.EndsLocusNames()) {
            return;
        }
    }
}

bool HoldsSixDigitGenotype(std::string_view line) {
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos) {
        return false;
    }
    line.remove_prefix(comma + 1);
    while (!line.empty() && IsBlank(line.front())) {
        line.remove_prefix(1);
    }
    if (line.size() < SixDigits) {
        return false;
    }
    for (std::size_t i = 0; i < SixDigits; ++i) {
        if (line[i] < '0' || line[i] > '9') {
            return false;
        }
    }
    return line.size() == SixDigits || IsBlank(line[SixDigits]);
}

void DecideLayout(TextFile& text, std::uint64_t& line_at) {
    code_digits = 2;
    while (!AtEnd(text)) {
        line_at = Offset(text);
        std::string first;
        int c = NextOfLine(text);
        for (; c != EndOfText && c != ','; c = NextOfLine(text)) {
            if (first.size() < MarkerLength) {
                first.push_back(static_cast<char>(c));
            }
        }
        if (c == EndOfText || IsMarker(first)) {
            if (c != EndOfText) {
                DropLine(text);
            }
            continue;
        }
        // The comma, blanks and tabs, and the characters that can make a six-digit genotype.
        std::string after = ",";
        for (c = NextOfLine(text); c != EndOfText && IsBlank(c); c = NextOfLine(text)) {
        }
        for (; c != EndOfText && after.size() <= SixDigits + 1; c = NextOfLine(text)) {
            after.push_back(static_cast<char>(c));
        }
        code_digits = HoldsSixDigitGenotype(after) ? 3 : 2;
        return;
    }
}

Head ScanHead(TextFile& text) {
    std::array<char, 3> first{};
    int count = 0;
    bool blank_so_far = true; // the line read so far holds only blanks and tabs
    while (true) {
        const int c = NextChar(text);
        if (blank_so_far && (c == '\n' || c == '\r')) {
            if (c == '\r') {
                TakeLineFeed(text);
            }
            count = 0;
            continue;
        }
        const char ch = c == EndOfText ? EndOfFileChar : static_cast<char>(c);
        if (count < 3) {
            first[count] = ch;
        }
        ++count;
        if (blank_so_far) {
            if (IsBlank(c)) {
                continue;
            }
            blank_so_far = false;
        }
        if (count >= HeadLimit) {
            return Head::TooLong;
        }
        if (ch == ',') {
            return Head::Comma;
        }
        if (count == 3 && (first[0] == 'P' || first[0] == 'p') &&
            IsMarker(std::string_view(first.data(), 3))) {
            return Head::Marker;
        }
    }
}

bool SearchComma(TextFile& text) {
    while (true) {
        const int c = NextChar(text);
        if (c == ',') {
            return true;
        }
        if (c == EndOfText) {
            return false;
        }
    }
}

bool SampleIsEmpty(TextFile& text) {
    std::size_t wanted = MarkerLength;
    while (true) {
        const std::string_view ahead = Ahead(text, wanted);
        if (ahead.empty()) {
            return true;
        }
        std::size_t blanks = 0;
        while (blanks < ahead.size() && IsBlank(ahead[blanks])) {
            ++blanks;
        }
        if (blanks == ahead.size()) {
            // Blanks up to the end of what is buffered: look further, as far as the buffer holds.
            if (wanted >= TextBufferSize || ahead.size() < wanted) {
                return ahead.size() < wanted;
            }
            wanted = 2 * wanted < TextBufferSize ? 2 * wanted : TextBufferSize;
            continue;
        }
        if (ahead[blanks] == '\n' || ahead[blanks] == '\r') {
            Skip(text, blanks);
            DropLine(text);
            wanted = MarkerLength;
            continue;
        }
        return blanks == 0 && ahead.size() >= MarkerLength &&
               IsMarker(ahead.substr(0, MarkerLength));
    }
}
