#pragma once
// orvanel-cli: the calculator's commands for scripts and whole files. A line it prints is the
// line the window puts in its results pane for the same input and options.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace orvanel::cli {

struct Streams {
    std::FILE* in;
    std::FILE* out;
    std::FILE* err;
};

// Exit statuses: every input converted; some input refused; the command line is wrong, or
// reading or writing failed.
enum Status { kConverted = 0, kRefused = 1, kFailed = 2 };

// Runs the command line `args` (without the program's name) and returns the exit status.
int Run(const std::vector<std::string_view>& args, const Streams& streams);

// The longest input line a command takes; a longer one is refused without being held whole.
inline constexpr std::size_t kLongestLine = 4096;

// `input` as a refusal message quotes it: at most kEchoCharacters characters (then "…"), with
// control characters, backslashes, byte-order marks and bytes that are not UTF-8 written as
// escapes (\e, \0, \t, \\, \xFF), so that no input reaches the terminal as anything but visible
// text.
inline constexpr std::size_t kEchoCharacters = 60;
std::string Echo(std::string_view input);

} // namespace orvanel::cli
