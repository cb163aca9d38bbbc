#pragma once
// orvanel-cli's command line: its options, their help, and what they ask of a run.

#include "Batch.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanel::cli {

struct Options {
    batch::Job job;
    std::vector<std::string_view> operands;
    std::vector<std::string> files; // "-" is standard input
    bool lineBuffered = false;
};

// What --help prints.
std::string_view HelpText();

// Why the command line `args` (without --help and --version) is wrong, or nothing when
// `options` now holds it.
std::optional<std::string> Parse(const std::vector<std::string_view>& args, Options& options);

} // namespace orvanel::cli
