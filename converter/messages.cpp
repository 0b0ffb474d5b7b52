#include "messages.h"

#include <stdexcept>
#include <vector>

#include "shown_text.h"

namespace {

constexpr std::array<MessageText, static_cast<std::size_t>(Msg::Count)> Table{{
    // The introduction: 16 lines, the first five empty.
    {Msg::Intro, "Intro",
     "\n\n\n\n\n"
     "This program uses a \"classical\" two digit GenePop data file to create\n"
     "an input allele frequency file that can be read by the Morvast program\n"
     "for estimation of effective size from temporal allele frequency changes.\n"
     "\n"
     "You are prompted for the name of the GenePop input file. The converted\n"
     "(output) file is named \"pelkin.out\" (rename it if you want to keep it).\n"
     "\n"
     "In the input file generations are treated as GenePop \"populations\", and the\n"
     "generation number of each individual must be given first on the data line\n"
     "and be followed by a blank. Any text is allowed after this blank before\n"
     "the comma (\",\"). See the accompanying text and the example files for details."},
    {Msg::Prompt, "Prompt", "Give name of input file (GenePop format): "},
    {Msg::UsingData, "UsingData", "Using data from {file}"},
    {Msg::Usage, "Usage",
     "Usage: Pelkin [--generations LIST] [--] [FILE]\n"
     "       Pelkin --help | -h\n"
     "       Pelkin --version\n"
     "Converts the GenePop file FILE, or the file named at the prompt, into the\n"
     "allele-frequency file pelkin.out in the working folder, for Morvast.\n"
     "  --generations LIST  the generation numbers of the file's samples in their\n"
     "                      order, separated by commas (0,5,10), in place of the\n"
     "                      numbers that begin the samples' first individual lines\n"
     "  --                  ends the options, so that FILE may begin with -\n"
     "  -h, --help          prints this text\n"
     "  --version           prints the program's name and version"},
    {Msg::Version, "Version", "Pelkin {version}"},

    {Msg::RuntimeError, "RuntimeError", "Runtime error {number} at ${where}"},
    {Msg::TraceLine, "TraceLine", "  ${where}"},

    {Msg::GenerationsDiffer, "GenerationsDiffer",
     "Check the data file! There seems to different numbers of\n"
     "populations at different loci."},
    {Msg::IndividualsDiffer, "IndividualsDiffer",
     "Check the data file! There seems to be different numbers of\n"
     "individuals at different loci."},
    {Msg::NoMarkerAfterNames, "NoMarkerAfterNames",
     "No line POP, Pop or pop ends the locus names."},
    {Msg::TooManyLoci, "TooManyLoci", "Too many loci (at most 2147483647)."},
    {Msg::TooManyGenerations, "TooManyGenerations", "Too many generations (at most 2147483647)."},
    {Msg::NegativeCode, "NegativeCode", "Negative allele code at locus {locus}."},
    {Msg::TooManyCopies, "TooManyCopies",
     "Too many gene copies at locus {locus} (at most 2147483647)."},
    {Msg::TooManyAlleles, "TooManyAlleles", "Too many alleles at locus {locus} (at most 999)."},
    {Msg::InputWouldBeOverwritten, "InputWouldBeOverwritten",
     "The input file has the name of a file this program writes; rename it."},
    {Msg::GenerationListDiffers, "GenerationListDiffers",
     "The GenePop file has {generations} generations; --generations gives {numbers}."},
    {Msg::AnotherConversion, "AnotherConversion", "Another conversion is running in this folder."},

    {Msg::FileOperationFailed, "FileOperationFailed",
     "Pelkin: cannot {operation} \"{file}\": {reason}"},
    {Msg::NotARegularFile, "NotARegularFile",
     "Pelkin: cannot open \"{file}\": it is a device, a pipe or a socket, not a regular file, "
     "and a refused GenePop file is read again to name its line; give the name of a file saved "
     "on disk"},
    {Msg::NoFileName, "NoFileName",
     "Pelkin: no file name was given; type the GenePop file's name at the prompt, or give it "
     "on the command line"},
    {Msg::GenerationNumberUnread, "GenerationNumberUnread",
     "Pelkin: \"{file}\" line {line} (\"{start}\"): the generation number of sample {sample} "
     "cannot be read; begin the first individual line of each sample with its generation "
     "number and a blank, or give the numbers with --generations"},
    {Msg::GenerationsDifferAtLine, "GenerationsDifferAtLine",
     "Pelkin: \"{file}\" line {line} (\"{start}\"): the line ends before its genotype of locus "
     "{locus} ({name}), where {counted} samples were counted against {first} at locus 1; give "
     "every individual line one genotype per locus"},
    {Msg::GenerationsDifferNoLine, "GenerationsDifferNoLine",
     "Pelkin: \"{file}\": {counted} samples were counted at locus {locus} ({name}) against "
     "{first} at locus 1; give every individual line its comma and one genotype per locus"},
    {Msg::IndividualsDifferAtLine, "IndividualsDifferAtLine",
     "Pelkin: \"{file}\" line {line} (\"{start}\"): the line ends before its genotype of locus "
     "{locus} ({name}), where {counted} individuals were counted against {first} at locus 1; "
     "give every individual line one genotype per locus"},
    {Msg::IndividualsDifferNoLine, "IndividualsDifferNoLine",
     "Pelkin: \"{file}\": {counted} individuals were counted at locus {locus} ({name}) against "
     "{first} at locus 1; give every individual line its comma and one genotype per locus"},
    {Msg::ShortLine, "ShortLine",
     "Pelkin: \"{file}\" line {line} (\"{start}\"): the line ends before its genotype of locus "
     "{locus} ({name}); give every individual line one genotype per locus, each of {length} "
     "characters"},
    {Msg::PaddedCode, "PaddedCode",
     "Pelkin: \"{file}\" line {line} (\"{start}\"): the genotype of locus {locus} ({name}) is "
     "read as \"{genotype}\", with a blank inside a code: in a three-digit file the blanks "
     "before a genotype are skipped, so a first code padded with blanks shifts the codes after "
     "it; write every allele code in three digits, such as 005001, a missing copy as 000"},
    {Msg::NoMarkerAfterNamesHint, "NoMarkerAfterNamesHint",
     "Pelkin: \"{file}\": no line after the title is Pop, POP or pop alone, so the locus names "
     "never end; put such a line between the last locus name and the first individual line"},
    {Msg::TooManyLociAtLine, "TooManyLociAtLine",
     "Pelkin: \"{file}\" line {line} (\"{start}\"): the locus names are still being read here, "
     "past 2147483647 loci; remove loci, or, if the names should end before this line, make the "
     "line "
     "that ends them Pop alone"},
    {Msg::TooManyGenerationsAtLine, "TooManyGenerationsAtLine",
     "Pelkin: \"{file}\" line {line} (\"{start}\"): this line starts sample 2147483648; split "
     "the file into files of fewer samples, and rename any individual whose name begins with "
     "Pop"},
    {Msg::NegativeCodeAtLine, "NegativeCodeAtLine",
     "Pelkin: \"{file}\" line {line} (\"{start}\"): a negative allele code at locus {locus} "
     "({name}); write every allele code in digits alone, a missing copy as 00"},
    {Msg::TooManyCopiesAtLocus, "TooManyCopiesAtLocus",
     "Pelkin: \"{file}\": more than 2147483647 gene copies in all at locus {locus} ({name}); "
     "convert fewer individuals or fewer samples at a time"},
    {Msg::TooManyAllelesHint, "TooManyAllelesHint",
     "Pelkin: \"{file}\": {alleles} different allele codes occur at locus {locus} ({name}), "
     "and codes run from 1 to 999; pool rare alleles into fewer codes, or remove the locus"},
    {Msg::InputWouldBeOverwrittenHint, "InputWouldBeOverwrittenHint",
     "Pelkin: \"{file}\" is the file \"{written}\" that this run writes; rename the GenePop "
     "file, or convert it in another folder"},
    {Msg::GenerationListDiffersHint, "GenerationListDiffersHint",
     "Pelkin: \"{file}\" has {generations} samples, and --generations gives {numbers} "
     "numbers; give one generation number per sample, in the order of the samples"},
    {Msg::AnotherConversionHint, "AnotherConversionHint",
     "Pelkin: another Pelkin is converting in this working folder, and two runs in one folder "
     "would write the same pelkin.out.part; wait until it has ended, or run this one in another "
     "folder"},

    {Msg::ReadAsThreeDigit, "ReadAsThreeDigit",
     "Pelkin: \"{file}\" is read as a three-digit GenePop file (six-digit genotypes, as on "
     "line {line})"},
    {Msg::UntypedGeneration, "UntypedGeneration",
     "Pelkin: locus {locus} ({name}) has no typed copy in generation {generation}; its "
     "frequencies over all generations are written there, with sample size 0, and Morvast "
     "leaves that sample out at this locus"},
    {Msg::UntypedLocus, "UntypedLocus",
     "Pelkin: locus {locus} ({name}) has no typed copy in any generation, and Morvast refuses "
     "such a locus; remove it from \"{file}\""},
    {Msg::EmptySample, "EmptySample",
     "Pelkin: \"{file}\" line {line}: this Pop line is followed by another Pop line or by the "
     "end of the file, so it starts no sample; if it is an individual whose name begins with "
     "Pop, rename the individual"},
    {Msg::NamesCut, "NamesCut",
     "Pelkin: {count} locus names are longer than 255 characters and are cut to 255 in "
     "pelkin.out, the first at locus {locus} ({name}); shorten them if they could be mistaken "
     "for one another"},
    {Msg::FolderNotLockedNotice, "FolderNotLockedNotice",
     "Pelkin: the working folder cannot be locked ({reason}), so another Pelkin started in it "
     "now would not be stopped; run one conversion at a time in this folder"},
    {Msg::Summary, "Summary",
     "Pelkin: wrote \"pelkin.out\": {samples} samples (generations {generations}), "
     "{individuals} individuals; {loci} loci, {single} with one allele; {missing}% of genotypes "
     "missing"},

    {Msg::UnknownOption, "UnknownOption", "Pelkin: unknown option \"{argument}\""},
    {Msg::OptionAfterFile, "OptionAfterFile",
     "Pelkin: \"{argument}\" stands after the file name; options come before it"},
    {Msg::SecondFile, "SecondFile",
     "Pelkin: a second file name \"{argument}\"; give one GenePop file"},
    {Msg::ListMissing, "ListMissing",
     "Pelkin: --generations needs a list of generation numbers, such as 0,5,10"},
    {Msg::ListMalformed, "ListMalformed",
     "Pelkin: \"{list}\" is not a list of generation numbers; give whole numbers from "
     "-2147483648 to 2147483647 separated by commas, such as 0,5,10"},
    {Msg::ListTwice, "ListTwice", "Pelkin: --generations is given twice; give it once"},
}};

constexpr bool InOrder() {
    for (std::size_t i = 0; i < Table.size(); ++i) {
        if (static_cast<std::size_t>(Table[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(InOrder(), "the message table lists the messages in the order of Msg");

} // namespace

const std::array<MessageText, static_cast<std::size_t>(Msg::Count)> message_table = Table;

const char* TextOf(Msg id) {
    return Table[static_cast<std::size_t>(id)].text;
}

std::string Filled(Msg id, std::initializer_list<MsgField> fields) {
    return Filled(id, std::span<const MsgField>(fields.begin(), fields.size()));
}

std::string Filled(Msg id, std::span<const MsgField> fields) {
    std::vector<std::string> values;
    values.reserve(fields.size());
    std::vector<MsgField> shown;
    for (const MsgField& field : fields) {
        values.push_back(Shown(field.value));
        shown.push_back({field.name, values.back()});
    }
    return FillFields(TextOf(id), shown);
}

namespace {

bool IsNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// The length of the field's name that opens at `open` ("{name}"), or 0 when the brace there
// opens no field and stands for itself.
std::size_t FieldNameLength(std::string_view text, std::size_t open) {
    std::size_t end = open + 1;
    while (end < text.size() && IsNameCharacter(text[end])) {
        ++end;
    }
    return end > open + 1 && end < text.size() && text[end] == '}' ? end - open - 1 : 0;
}

[[noreturn]] void FieldFault(std::string_view text, std::string_view what, std::string_view name) {
    throw std::logic_error(std::string(what) + " \"" + std::string(name) + "\" in the text \"" +
                           std::string(text) + "\"");
}

} // namespace

std::string FillFields(std::string_view text, std::span<const MsgField> fields) {
    std::vector<bool> used(fields.size(), false);
    std::string out;
    std::size_t at = 0;
    for (std::size_t open = text.find('{'); open != std::string_view::npos;
         open = text.find('{', open + 1)) {
        const std::size_t length = FieldNameLength(text, open);
        if (length == 0) {
            continue;
        }
        const std::string_view name = text.substr(open + 1, length);
        std::size_t k = 0;
        while (k < fields.size() && fields[k].name != name) {
            ++k;
        }
        if (k == fields.size()) {
            FieldFault(text, "no value is given for the field", name);
        }
        used[k] = true;
        out.append(text.substr(at, open - at)).append(fields[k].value);
        at = open + length + 2;
        open = at - 1;
    }
    for (std::size_t k = 0; k < fields.size(); ++k) {
        if (!used[k]) {
            FieldFault(text, "a value is given for no field", fields[k].name);
        }
    }
    return out.append(text.substr(at));
}
