#pragma once
// A run's options as words, as orvanel-cli's command line and the page's converter give them,
// and what they ask of the run.

#include "Batch.h"
#include "OptionTable.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanel::batch {

struct Options {
    Job job;
    std::vector<std::string_view> operands;
    std::vector<std::string> files; // "-" is standard input
    bool lineBuffered = false;
};

// Why the command line `args` (without --help and --version) is wrong, or nothing when
// `options` now holds it.
std::optional<std::string> Parse(const std::vector<std::string_view>& args, Options& options);

} // namespace orvanel::batch
