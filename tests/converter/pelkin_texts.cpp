#include "pelkin_texts.h"

const std::string IntroAndPrompt =
    std::string(TextOf(Msg::Intro)) + "\n\n\n\n" + TextOf(Msg::Prompt);

std::string IntroAndUsing(const std::string& name) {
    return std::string(TextOf(Msg::Intro)) + "\n\n\n\n" + Line(Msg::UsingData, {{"file", name}});
}

std::string UsageText() {
    return Line(Msg::Usage);
}

std::string Line(Msg id, std::initializer_list<MsgField> fields) {
    return Filled(id, fields) + "\n";
}

std::string RuntimeReport(int number, const std::string& where, const std::string& step) {
    return Line(Msg::RuntimeError, {{"number", std::to_string(number)}, {"where", where}}) +
           Line(Msg::TraceLine, {{"where", where}}) + Line(Msg::TraceLine, {{"where", step}}) +
           "\n";
}

std::string GenerationsMessage() {
    return std::string(16, '\n') + Line(Msg::GenerationsDiffer);
}

std::string IndividualsMessage() {
    return std::string(16, '\n') + Line(Msg::IndividualsDiffer);
}

std::string Summary(const std::string& samples, const std::string& generations,
                    const std::string& individuals, const std::string& loci,
                    const std::string& single, const std::string& missing) {
    return Line(Msg::Summary, {{"samples", samples},
                               {"generations", generations},
                               {"individuals", individuals},
                               {"loci", loci},
                               {"single", single},
                               {"missing", missing}});
}

std::string EmptySampleNotice(const std::string& line) {
    return Line(Msg::EmptySample, {{"file", "data.gen"}, {"line", line}});
}

std::string ShortLine(const char* line, const char* start, const char* locus, const char* name,
                      const char* length) {
    return Line(Msg::ShortLine, {{"file", "data.gen"},
                                 {"line", line},
                                 {"start", start},
                                 {"locus", locus},
                                 {"name", name},
                                 {"length", length}});
}

std::string ThreeDigitNotice(const std::string& line) {
    return Line(Msg::ReadAsThreeDigit, {{"file", "data.gen"}, {"line", line}});
}

std::string UntypedLocusNotice(const std::string& number, const std::string& name) {
    return Line(Msg::UntypedLocus, {{"locus", number}, {"name", name}, {"file", "data.gen"}});
}

std::string UntypedNotice(const std::string& number, const std::string& name,
                          const std::string& generation) {
    return Line(Msg::UntypedGeneration,
                {{"locus", number}, {"name", name}, {"generation", generation}});
}
