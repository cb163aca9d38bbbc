#pragma once
// orvanel-cli: the calculator's commands for scripts and whole files. A line it prints is the
// line the window puts in its results pane for the same input and options.

#include <cstdio>
#include <string_view>
#include <vector>

namespace orvanel::cli {

// Input is read from `in`'s descriptor as it arrives; results and messages go to `out` and
// `err`.
struct Streams {
    std::FILE* in;
    std::FILE* out;
    std::FILE* err;
};

// Runs the command line `args` (without the program's name) and returns the exit status
// (batch::Status).
int Run(const std::vector<std::string_view>& args, const Streams& streams);

// What --help prints.
std::string_view HelpText();

} // namespace orvanel::cli
