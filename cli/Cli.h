#pragma once
// orvanel-cli: the calculator's commands for scripts and whole files. A line it prints is the
// line the window puts in its results pane for the same input and options.

#include <cstdio>
#include <string_view>
#include <vector>

namespace orvanel::cli {

struct Streams {
    std::FILE* in;
    std::FILE* out;
    std::FILE* err;
};

// Exit statuses: every input converted, some input refused, the command line is wrong.
enum Status { kConverted = 0, kRefused = 1, kUsage = 2 };

// Runs the command line `args` (without the program's name) and returns the exit status.
int Run(const std::vector<std::string_view>& args, const Streams& streams);

} // namespace orvanel::cli
