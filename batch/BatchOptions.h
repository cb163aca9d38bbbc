#pragma once
// A run's options as words, as orvanel-cli's command line and the page's converter give them,
// and what they ask of the run.

#include "Batch.h"

#include <array>
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

// What each command is and which options shape its results, for a front end that offers them.
struct CommandUse {
    std::string_view name;
    std::string_view summary;
    std::array<std::string_view, 4> forms; // --form's values, the default first; empty: none
    bool figures;                          // takes --figures
    bool decimals;                         // takes --decimals (not with --form dm)
};

inline constexpr std::array<CommandUse, 6> kCommandUses = {{
    {"rad2deg", "radians to degrees", {"dms", "dm", "deg", "degmin"}, true, false},
    {"deg2rad", "degrees, minutes and seconds to radians", {}, true, false},
    {"add", "X + Y modulo one turn, in radians", {}, true, false},
    {"sub", "X - Y modulo one turn, in radians", {}, true, false},
    {"dms2deg", "degrees, minutes and seconds to decimal degrees, exactly", {}, false, true},
    {"deg2dms", "decimal degrees to degrees, minutes and seconds, exactly", {"dms", "dm", "degmin"}, false, true},
}};

// What each --form value gives.
inline constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kFormNames = {{
    {"dms", "degrees, minutes and seconds"},
    {"dm", "degrees and whole minutes"},
    {"deg", "decimal degrees"},
    {"degmin", "degrees and decimal minutes"},
}};

// The delimiters --delimiter takes, as given and as named.
inline constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kDelimiters = {{
    {",", "comma"},
    {";", "semicolon"},
    {"|", "vertical bar"},
    {"tab", "tab"},
}};

// Why the command line `args` (without --help and --version) is wrong, or nothing when
// `options` now holds it.
std::optional<std::string> Parse(const std::vector<std::string_view>& args, Options& options);

} // namespace orvanel::batch
