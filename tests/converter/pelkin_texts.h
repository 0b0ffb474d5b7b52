// The texts Pelkin prints, as the whole-program tests expect them: taken from its table of texts
// (messages.h) with their fields filled, and laid out on the console as the program lays them.
#pragma once

#include <initializer_list>
#include <string>

#include "messages.h"

// What Pelkin prints before it reads the name: the introduction, three empty lines and the
// prompt, with no line end after it. A successful run prints nothing more.
extern const std::string IntroAndPrompt;

// What Pelkin prints before it reads the file named on its command line: the introduction,
// three empty lines and "Using data from" with the name.
std::string IntroAndUsing(const std::string& name);

// The usage text, with its line end, as --help prints it and a fault of the command line follows
// it on standard error.
std::string UsageText();

// The text `id` with its fields filled, and a line end: a line on standard error, or a refusal
// on standard output.
std::string Line(Msg id, std::initializer_list<MsgField> fields = {});

// The file-failure report: the error number, the place of the failure, and that of its step.
std::string RuntimeReport(int number, const std::string& where, const std::string& step);

// The lines of a data message as Pelkin prints them after the prompt.
std::string GenerationsMessage();
std::string IndividualsMessage();

// The line on standard error that ends a conversion that succeeded, with its fields.
std::string Summary(const std::string& samples, const std::string& generations,
                    const std::string& individuals, const std::string& loci,
                    const std::string& single, const std::string& missing);

// The notice on standard error of a marker line of data.gen, line `line`, that starts no sample.
std::string EmptySampleNotice(const std::string& line);

// The refusal of the individual line `line` of data.gen, starting `start`, that ends before
// its genotype of locus `locus` named `name`, genotypes being `length` characters.
std::string ShortLine(const char* line, const char* start, const char* locus, const char* name,
                      const char* length);

// The notice of data.gen read as a three-digit file, decided on line `line`.
std::string ThreeDigitNotice(const std::string& line);

// The notice on standard error of the locus `number` named `name` of data.gen, typed nowhere.
std::string UntypedLocusNotice(const std::string& number, const std::string& name);

// The notice on standard error of a generation, numbered `generation`, in which the locus
// `number` named `name` was not typed.
std::string UntypedNotice(const std::string& number, const std::string& name,
                          const std::string& generation);
