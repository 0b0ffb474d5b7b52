// The table of every text Pelkin prints, the list of generation numbers of the command line,
// and the refusals that no whole-program run reaches.
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "command_line.h"
#include "count_in_dir.h"
#include "data_messages.h"
#include "messages.h"
#include "run_state.h"

namespace {

TEST(ConverterMessages, EveryMessageHasAUniqueNameAndAText) {
    std::set<std::string> names;
    for (std::size_t i = 0; i < message_table.size(); ++i) {
        const MessageText& message = message_table[i];
        EXPECT_TRUE(names.insert(message.name).second) << message.name;
        EXPECT_NE(std::string(message.text), "") << message.name;
        // Every field opens and closes on one line.
        const std::string text = message.text;
        int open = 0;
        for (const char c : text) {
            open += c == '{' ? 1 : c == '}' ? -1 : 0;
            EXPECT_TRUE(open == 0 || open == 1) << message.name;
            EXPECT_FALSE(c == '\n' && open != 0) << message.name;
        }
        EXPECT_EQ(open, 0) << message.name;
    }
}

TEST(ConverterMessages, LinesOnStandardErrorBeginWithTheProgramsName) {
    for (std::size_t i = static_cast<std::size_t>(Msg::FileOperationFailed);
         i < message_table.size(); ++i) {
        EXPECT_EQ(std::string(message_table[i].text).rfind("Pelkin: ", 0), 0U)
            << message_table[i].name;
        EXPECT_EQ(std::string(message_table[i].text).find('\n'), std::string::npos)
            << message_table[i].name;
    }
}

// ---- The list of --generations ----

TEST(ConverterGenerationList, WholeNumbersSeparatedByCommasAreRead) {
    ResetRunState();
    ASSERT_TRUE(ReadGenerationList("0,5,10"));
    EXPECT_TRUE(gen_no_given);
    EXPECT_EQ(given_gen_no, (std::vector<std::int32_t>{0, 5, 10}));
    ASSERT_TRUE(ReadGenerationList("-3,+7,007,2147483647,-2147483648"));
    EXPECT_EQ(given_gen_no, (std::vector<std::int32_t>{-3, 7, 7, 2147483647, -2147483648}));
}

TEST(ConverterGenerationList, ListsOfMoreThan50AreKeptWhole) {
    ResetRunState();
    std::string list = "1";
    for (int g = 2; g <= 60; ++g) {
        list.append(",").append(std::to_string(g));
    }
    ASSERT_TRUE(ReadGenerationList(list));
    ASSERT_EQ(given_gen_no.size(), 60U);
    EXPECT_EQ(given_gen_no[59], 60);
}

TEST(ConverterGenerationList, AnythingElseIsNoListAndSetsNothing) {
    for (const std::string list :
         {"", ",", "0,", ",0", "0,,5", "1.5", "1e3", " 1", "1 ", "0;5", "2147483648", "-2147483649",
          "+-1", "--1", "+", "-", "0x10", "a", "5,x"}) {
        ResetRunState();
        EXPECT_FALSE(ReadGenerationList(list)) << '"' << list << '"';
        EXPECT_FALSE(gen_no_given);
        EXPECT_TRUE(given_gen_no.empty());
    }
}

// ---- Refusals without a line at fault ----

// The line on standard error of the refusal `refuse` makes; `shown` gets its standard output.
template <class Refusal> std::string StandardErrorOf(Refusal refuse, std::string& shown) {
    const RunEnd end = EndOf(refuse);
    EXPECT_EQ(end.status, 1);
    shown = end.shown;
    return end.hint;
}

TEST(ConverterMessages, CountsThatDifferWithoutAShortLineAreToldWithoutALine) {
    CountingDir dir;
    ResetRunState();
    in_name = "data.gen";
    loc_name.Add("A");
    loc_name.Add("B");
    std::string shown;
    EXPECT_EQ(StandardErrorOf([] { GenerationsDiffer(2, 1, 2, std::nullopt); }, shown),
              Filled(Msg::GenerationsDifferNoLine, {{"file", "data.gen"},
                                                    {"counted", "1"},
                                                    {"locus", "2"},
                                                    {"name", "B"},
                                                    {"first", "2"}}) +
                  "\n");
    EXPECT_EQ(StandardErrorOf([] { IndividualsDiffer(2, 3, 4, std::nullopt); }, shown),
              Filled(Msg::IndividualsDifferNoLine, {{"file", "data.gen"},
                                                    {"counted", "3"},
                                                    {"locus", "2"},
                                                    {"name", "B"},
                                                    {"first", "4"}}) +
                  "\n");
    EXPECT_EQ(shown, std::string(16, '\n') + TextOf(Msg::IndividualsDiffer) + "\n");
}

} // namespace
