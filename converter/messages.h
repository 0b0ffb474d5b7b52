// Every text that Pelkin prints, in one table: the introduction and the prompt, the usage and
// version texts, the file-failure report, the refusals of a GenePop file and of a second run in
// one folder on standard output,
// and the lines on standard error that say what is wrong and what to change. A text may hold
// fields written as a name in braces ("{locus}"); Filled puts in each field the value given
// under its name, so that a text whose fields are reordered keeps its values in place.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

enum class Msg : std::size_t {
    // Standard output: the console.
    Intro,
    Prompt,
    UsingData,
    Usage,
    Version,
    // Standard output: the file-failure report.
    RuntimeError,
    TraceLine,
    // Standard output: the refusals of a GenePop file.
    GenerationsDiffer,
    IndividualsDiffer,
    NoMarkerAfterNames,
    TooManyLoci,
    TooManyGenerations,
    NegativeCode,
    TooManyCopies,
    TooManyAlleles,
    InputWouldBeOverwritten,
    GenerationListDiffers,
    // Standard output: the refusal of a second run in a folder where one is converting.
    AnotherConversion,
    // Standard error: what failed, and what to change.
    FileOperationFailed,
    NotARegularFile,
    NoFileName,
    GenerationNumberUnread,
    GenerationsDifferAtLine,
    GenerationsDifferNoLine,
    IndividualsDifferAtLine,
    IndividualsDifferNoLine,
    ShortLine,
    PaddedCode,
    NoMarkerAfterNamesHint,
    TooManyLociAtLine,
    TooManyGenerationsAtLine,
    NegativeCodeAtLine,
    TooManyCopiesAtLocus,
    TooManyAllelesHint,
    InputWouldBeOverwrittenHint,
    GenerationListDiffersHint,
    AnotherConversionHint,
    // Standard error: notices of a run that succeeds.
    ReadAsThreeDigit,
    UntypedGeneration,
    UntypedLocus,
    EmptySample,
    NamesCut,
    FolderNotLockedNotice,
    Summary,
    // Standard error: a command line that is not understood, before the usage text.
    UnknownOption,
    OptionAfterFile,
    SecondFile,
    ListMissing,
    ListMalformed,
    ListTwice,
    Count
};

struct MessageText {
    Msg id;
    const char* name;
    const char* text;
};

extern const std::array<MessageText, static_cast<std::size_t>(Msg::Count)> message_table;

const char* TextOf(Msg id);

// The value of the field `name` of a text ("{name}" in it).
struct MsgField {
    std::string_view name;
    std::string_view value;
};

// `text` with every field replaced by the value given under its name. A field without a value,
// or a value whose name stands in no field, is a fault of the program, not of its input, and
// throws std::logic_error naming the text and the field.
std::string FillFields(std::string_view text, std::span<const MsgField> fields);

// The text of `id` with its fields filled by name, each value shown as Shown does (shown_text.h):
// a value may come from the GenePop file, the typed answer or the command line, and reaches the
// console or standard error.
std::string Filled(Msg id, std::span<const MsgField> fields);
std::string Filled(Msg id, std::initializer_list<MsgField> fields);
