// The text-file layer: the line read, the character read, dropping a line, the integer read and
// the view of the buffered text, over every kind of line end and across the reader's buffer
// boundary.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "program_run.h"
#include "text_file.h"

namespace {

class TextOver {
  public:
    explicit TextOver(const std::string& contents) {
        testing_support::WriteFile(dir_ / "text", contents);
        OpenText(*text_, (dir_ / "text").string());
    }
    ~TextOver() { CloseText(*text_); }
    TextOver(const TextOver&) = delete;
    TextOver& operator=(const TextOver&) = delete;
    TextFile& operator*() { return *text_; }

  private:
    testing_support::TempDir dir_;
    std::unique_ptr<TextFile> text_ = std::make_unique<TextFile>();
};

TEST(ConverterTextFile, LineReadCutsAtTheLimitAndDropsTheRestWithItsLineEnd) {
    TextOver text("abcdefghij\nxyz\r\n\r\nlast");
    EXPECT_EQ(ReadLine(*text, 3), "abc");
    EXPECT_EQ(ReadLine(*text, 3), "xyz");
    EXPECT_EQ(ReadLine(*text, 3), "");
    EXPECT_FALSE(AtEnd(*text));
    EXPECT_EQ(ReadLine(*text, WholeLine), "last");
    EXPECT_TRUE(AtEnd(*text));
    EXPECT_EQ(ReadLine(*text, 3), "");
}

TEST(ConverterTextFile, CarriageReturnAloneEndsALine) {
    TextOver text("ab\rcd\r\nef\n\rgh");
    EXPECT_EQ(ReadLine(*text, WholeLine), "ab");
    EXPECT_EQ(ReadLine(*text, WholeLine), "cd");
    EXPECT_EQ(ReadLine(*text, WholeLine), "ef");
    EXPECT_EQ(ReadLine(*text, WholeLine), "");
    EXPECT_EQ(ReadLine(*text, WholeLine), "gh");
}

TEST(ConverterTextFile, FileEndingWithALineFeedHasNothingLeftAfterItsLastLine) {
    TextOver text("one\n");
    DropLine(*text);
    EXPECT_TRUE(AtEnd(*text));
}

TEST(ConverterTextFile, CharacterReadYieldsCode26AtTheEndAndStaysThere) {
    TextOver text(std::string("a\r\n\x1a", 4));
    EXPECT_EQ(GetChar(*text), 'a');
    EXPECT_EQ(GetChar(*text), '\r');
    EXPECT_EQ(GetChar(*text), '\n');
    EXPECT_FALSE(AtEnd(*text)); // a code 26 inside the file is an ordinary character
    EXPECT_EQ(GetChar(*text), '\x1a');
    EXPECT_TRUE(AtEnd(*text));
    EXPECT_EQ(GetChar(*text), '\x1a');
    EXPECT_EQ(GetChar(*text), '\x1a');
    EXPECT_TRUE(AtEnd(*text));
}

TEST(ConverterTextFile, DropLineTakesACarriageReturnAndLineFeedAsOneLineEnd) {
    TextOver text("skip me\r\nx\rskip\ny");
    DropLine(*text);
    EXPECT_EQ(GetChar(*text), 'x');
    DropLine(*text);
    DropLine(*text);
    EXPECT_EQ(GetChar(*text), 'y');
    DropLine(*text);
    EXPECT_TRUE(AtEnd(*text));
}

TEST(ConverterTextFile, LineEndSplitAcrossTheBufferIsOneLineEnd) {
    const std::size_t buffer = TextBufferSize;
    for (const std::size_t cr_at : {buffer - 1, buffer, 2 * buffer - 1}) {
        std::string contents(cr_at, 'x');
        contents += "\r\nnext\n";
        TextOver text(contents);
        EXPECT_EQ(ReadLine(*text, WholeLine).size(), cr_at);
        EXPECT_EQ(ReadLine(*text, WholeLine), "next");
        TextOver dropped(contents);
        DropLine(*dropped);
        EXPECT_EQ(GetChar(*dropped), 'n');
    }
}

TEST(ConverterTextFile, IntegerReadSkipsWhiteSpaceAndLeavesTheDelimiter) {
    TextOver text("  \t\r\n 12\tx -0x1F\n$FFFFFFFF 0007\n  ");
    EXPECT_EQ(ReadInteger(*text), 12);
    EXPECT_EQ(GetChar(*text), '\t');
    DropLine(*text);
    EXPECT_EQ(ReadInteger(*text), -1);
    EXPECT_EQ(ReadInteger(*text), 7);
    EXPECT_EQ(ReadInteger(*text), 0); // the end of the file before any character
    EXPECT_EQ(ReadInteger(*text), 0);
}

TEST(ConverterTextFile, IntegerReadTakesAt255CharactersOfAWord) {
    // The word's first 255 characters are one number, the rest of it the next.
    TextOver text(std::string(300, '0') + "7\n");
    EXPECT_EQ(ReadInteger(*text), 0);
    EXPECT_EQ(ReadInteger(*text), 7);
}

TEST(ConverterTextFile, BufferedTextIsWhatTheCharacterReadsTakeNext) {
    std::string contents(TextBufferSize + 10, 'a');
    contents[3] = 'b';
    contents[TextBufferSize] = 'c';
    TextOver text(contents);
    EXPECT_EQ(NextChar(*text), 'a');
    std::string_view ahead = Buffered(*text);
    ASSERT_EQ(ahead.size(), TextBufferSize - 1);
    EXPECT_EQ(ahead.substr(0, 3), "aab");
    Skip(*text, 2);
    EXPECT_EQ(NextChar(*text), 'b');
    Skip(*text, TextBufferSize); // at most what is buffered
    EXPECT_EQ(PeekChar(*text), 'c');
    ahead = Buffered(*text);
    EXPECT_EQ(ahead, "caaaaaaaaa");
    Skip(*text, ahead.size());
    EXPECT_TRUE(Buffered(*text).empty());
    EXPECT_TRUE(AtEnd(*text));
}

TEST(ConverterTextFile, PlaceOfAnOffsetCountsLinesAsTheReadsEndThem) {
    const std::string contents = "ab\r\ncd\ref\n\ngh";
    testing_support::TempDir dir;
    testing_support::WriteFile(dir / "text", contents);
    const std::string name = (dir / "text").string();
    const struct {
        std::uint64_t offset;
        std::uint64_t line;
        std::string start;
    } cases[] = {{0, 1, "ab"}, {2, 1, "ab"}, {4, 2, "cd"},  {6, 2, "cd"},  {7, 3, "ef"},
                 {9, 3, "ef"}, {10, 4, ""},  {11, 5, "gh"}, {12, 5, "gh"}, {99, 5, "gh"}};
    for (const auto& [offset, line, start] : cases) {
        const LinePlace place = PlaceOf(name, offset);
        EXPECT_EQ(place.number, line) << "offset " << offset;
        EXPECT_EQ(place.start, start) << "offset " << offset;
    }
    EXPECT_EQ(PlaceOf((dir / "absent").string(), 0).number, 0U);
}

TEST(ConverterTextFile, PlaceShowsTheFirst20CharactersOfALineAcrossReads) {
    std::string contents(TextBufferSize + 5, 'x');
    contents += "\n1 a, 0101 0202 0303 0404\tend\n";
    testing_support::TempDir dir;
    testing_support::WriteFile(dir / "text", contents);
    const LinePlace place = PlaceOf((dir / "text").string(), contents.size() - 3);
    EXPECT_EQ(place.number, 2U);
    EXPECT_EQ(place.start, "1 a, 0101 0202 0303 ");
    EXPECT_EQ(PlaceOf((dir / "text").string(), 3).start, std::string(20, 'x'));
}

TEST(ConverterTextFile, OffsetCountsTheCharactersTakenAcrossRefills) {
    std::string contents(2 * TextBufferSize + 7, 'y');
    TextOver text(contents);
    EXPECT_EQ(Offset(*text), 0U);
    DropLine(*text);
    EXPECT_EQ(Offset(*text), contents.size());
    TextOver other(contents);
    for (std::size_t i = 0; i < TextBufferSize + 3; ++i) {
        NextChar(*other);
    }
    EXPECT_EQ(Offset(*other), TextBufferSize + 3);
}

TEST(ConverterTextFile, IntegerReadGivesNoValueForAWordThatIsNoNumber) {
    TextOver text("  12x 7");
    EXPECT_EQ(ReadInteger(*text), std::nullopt);
    // The word's last character stands right before the read position.
    EXPECT_EQ(Offset(*text), 5U);
    EXPECT_EQ(ReadInteger(*text), 7);
}

// The watch is shown every character once and in order, whatever the reads do: a look ahead
// across the buffer's end, a return into the buffer and one to a place the buffer no longer
// holds, which is read again from the system.
TEST(ConverterTextFile, WatchSeesEveryCharacterOnceWhateverTheReadsDo) {
    std::string contents;
    for (std::size_t i = 0; contents.size() < 3 * TextBufferSize + 77; ++i) {
        contents += static_cast<char>('a' + i % 26);
        contents += i % 61 == 0 ? "\r\n" : "";
    }
    TextOver text(contents);
    std::string seen;
    WatchText(*text, {[](void* state, std::string_view chunk) {
                          static_cast<std::string*>(state)->append(chunk);
                      },
                      &seen});
    DropLine(*text);
    Skip(*text, Buffered(*text).size() - 3);
    EXPECT_EQ(Ahead(*text, 8).substr(0, 8), std::string_view(contents).substr(Offset(*text), 8));
    const std::uint64_t back = Offset(*text) - 1;
    ReturnTo(*text, back);
    EXPECT_EQ(NextChar(*text), static_cast<unsigned char>(contents[back]));
    while (Offset(*text) < 2 * TextBufferSize + 5) {
        DropLine(*text);
    }
    ReturnTo(*text, 10);
    EXPECT_EQ(NextChar(*text), static_cast<unsigned char>(contents[10]));
    SkipToEnd(*text);
    EXPECT_TRUE(AtEnd(*text));
    EXPECT_EQ(seen, contents);
}

} // namespace
