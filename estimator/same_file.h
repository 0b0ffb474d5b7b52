// The files a run names (the data file, the report, the table) must be distinct files: a report
// appended to its own data, or a table put in place of either, would destroy what the run reads
// or what earlier runs wrote.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// A file of the run, by the field that stands for it in the texts ("DATA", "REPORT", "TABLE",
// "PLOT") and its name; an empty name is a file the run does not write.
struct NamedFile {
    std::string_view field;
    std::string name;
};

// Whether two names stand for one file: the same name, the same path once every link and "."
// and ".." of it is resolved (a name that is a link to no file by the path of its target, since
// writing it makes that file), or one file under two names.
bool SameFile(const std::string& a, const std::string& b);

// Ends the run through Error, naming both, when any two of `files` are the same file. Made
// before any file is opened for writing.
void RefuseSameFiles(const std::vector<NamedFile>& files);
