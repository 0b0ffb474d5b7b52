// A table of whole runs of a program, one row a case, and the one loop that makes each run in the
// test's own process and compares all that it leaves with what the row expects: the exit
// status, standard output, standard error and the files of its folder, byte for byte.
//
// A row, as a newcomer reads it:
//
//     {.name = "worked_example_plan_2",
//      .files = {{"two.txt", two_locus_data}},
//      .args = {"two.txt", "report.txt"},
//      .typed = "2\n",
//      .status = 0,
//      .out = opening_screen + "Using data from two.txt\n...",
//      .left = {{"report.txt", Stored("report.txt")}}},
//
// Each run is made in a fresh folder, its working folder, holding the files of the row only;
// names in the arguments are taken from there. A long expected text is kept in a file of the
// case's own folder beside the table, <cases folder>/<case name>/<file>, named by Stored.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace testing_support {

// What a row says of a stream or of a file: its exact bytes, given in the row or kept in a file
// of the case's folder; that it is a folder; that it is absent; or nothing (not checked, the
// default). A placed file may also be a link or a socket.
class Bytes {
  public:
    enum class Kind { unchecked, text, stored, folder, absent, link, hard_link, socket };
    Bytes() = default;
    Bytes(std::string text) : kind_(Kind::text), text_(std::move(text)) {}
    Bytes(const char* text) : Bytes(std::string(text)) {}
    static Bytes Of(Kind kind, std::string text = {});
    Kind kind() const { return kind_; }
    // The text given, or the name of the stored file.
    const std::string& text() const { return text_; }

  private:
    Kind kind_ = Kind::unchecked;
    std::string text_;
};

// The bytes of the file `file` of the case's folder.
inline Bytes Stored(std::string file) {
    return Bytes::Of(Bytes::Kind::stored, std::move(file));
}
// A folder: placed empty before the run, or expected after it.
inline Bytes AFolder() {
    return Bytes::Of(Bytes::Kind::folder);
}
// No file of that name after the run.
inline Bytes Absent() {
    return Bytes::Of(Bytes::Kind::absent);
}
// A symbolic link to `target`, another name (a hard link) of the file `of` placed
// before it, and a socket bound to the name and closed, which leaves it a socket.
inline Bytes Link(std::string target) {
    return Bytes::Of(Bytes::Kind::link, std::move(target));
}
inline Bytes HardLink(std::string of) {
    return Bytes::Of(Bytes::Kind::hard_link, std::move(of));
}
inline Bytes Socket() {
    return Bytes::Of(Bytes::Kind::socket);
}

// A file of the run's folder, by its name there (a name with / stands in a subfolder, made as
// needed), and what it holds.
struct File {
    std::string name = {};
    Bytes bytes = {};
};

// One whole run and what it must leave. The status is 0 and standard error empty unless the row
// says otherwise; standard output is checked when the row gives it. After the run the folder
// holds the files placed (their bytes checked when `left` names them) and the files `left` names,
// and no other: a file named with no bytes given ({"r.txt", {}}) may stand and is not read.
struct Case {
    std::string name; // shown in the trace; letters, digits and _ when it names a folder of texts
    std::vector<File> files = {};       // placed in the folder before the run
    std::vector<std::string> args = {}; // after the program's name
    std::string typed = {};             // the whole of standard input
    int status = 0;
    Bytes out = {};
    Bytes err = "";
    std::vector<File> left = {}; // the files after the run
};

// A program as a table runs it: its name (argv[0]), its entry, which puts the program's state
// back as before a run and then makes the whole run, and the folder that holds the cases'
// folders.
struct Program {
    std::string name;
    int (*entry)(int argc, char** argv);
    std::filesystem::path cases;
};

// Makes each run of `cases` in turn, each with the case's name as a scoped trace, and expects
// what each row says, and that the run leaves no file open.
void RunCases(const Program& program, const std::vector<Case>& cases);

} // namespace testing_support
