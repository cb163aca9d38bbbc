#include "Cli.h"

#include "OptionTable.h"

#include <algorithm>
#include <string>

namespace orvanel::cli {
namespace {

constexpr std::string_view kHead = R"(Usage: orvanel-cli [OPTION]... COMMAND [OPERAND]...
Converts plane angles as the Orvanel window does, one result line for each input.

Commands:
)";

constexpr std::string_view kMiddle =
    R"(A latitude or longitude is written with a sign or a hemisphere, before or after it:
-36.952778, 36.952778 S, S 36°57'10", 36°57'10"S; north and east are positive, south and
west negative. Results are signed, with "-".
Without operands a command reads one input a line (for add and sub: X Y) from standard
input, or from each --file in turn. A blank line gives a blank line. Radians and decimal
degrees are numbers as people write them: a sign, digits with one "." or ",", an exponent
(1.5, -2,5, 1e-3). An operand that starts with "-" is a number; "--" ends the options.

Options:
)";

constexpr std::string_view kTail = R"(
Each line is converted as soon as it has come, from a terminal or a pipe: a terminal
shows its result at once; a pipe or file gets results in large blocks unless
--line-buffered is given. A refused input is reported on standard error as
  orvanel-cli: argument N: "<input>": <message>
  orvanel-cli: line N: "<input>": <message>        (standard input)
  orvanel-cli: FILE: line N: "<input>": <message>
  orvanel-cli: FILE: line N: column C: "<cell>": <message>        (--csv)
with the window's message or why the input is no angle or number ("Two hemispheres",
"A sign and a hemisphere", "An empty field", "Not a number", "Too many fields"), and the
next input is taken; a refused cell is left as it was. Exit status: 0 when every input
converted, 1 when any was refused, 2 for a usage error, a file that could not be read, a
--column name the header lacks, or a failed write.
)";

// Where the text of a command's or option's entry begins, and the longest line of an entry
// whose list is written out from the rows (any other entry keeps its row's line breaks).
constexpr std::size_t kCommandColumn = 17;
constexpr std::size_t kOptionColumn = 19;
constexpr std::size_t kWidth = 89;

// `text` broken at blanks into lines of at most `width` characters.
std::string Wrapped(std::string_view text, std::size_t width) {
    std::string out;
    std::size_t length = 0; // of the line being filled
    while (!text.empty()) {
        const auto end = text.find(' ');
        const std::string_view word = text.substr(0, end);
        if (length > 0) {
            const bool full = length + 1 + word.size() > width;
            out += full ? '\n' : ' ';
            length = full ? 0 : length + 1;
        }
        out += word;
        length += word.size();
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return out;
}

// One entry: `label` in the margin, then the lines of `text` from `column` on.
void AppendEntry(std::string& help, std::string_view label, std::string_view text,
                 std::size_t column) {
    std::string margin = "  " + std::string(label);
    margin.resize(std::max(column, margin.size() + 1), ' ');
    const std::string lines =
        text.find('{') == std::string_view::npos
            ? std::string(text)
            : Wrapped(batch::ListText(text, batch::ListStyle::Plain), kWidth - column);
    std::string_view rest = lines;
    for (bool first = true;; first = false) {
        const auto end = rest.find('\n');
        help += first ? margin : std::string(column, ' ');
        help += rest.substr(0, end);
        help += '\n';
        if (end == std::string_view::npos) {
            return;
        }
        rest.remove_prefix(end + 1);
    }
}

std::string Help() {
    std::string help(kHead);
    for (const batch::CommandRow& row : batch::kCommands) {
        AppendEntry(help, std::string(row.name) + " " + std::string(row.operands), row.help,
                    kCommandColumn);
    }
    help += kMiddle;
    for (const batch::OptionRow& row : batch::kOptions) {
        const std::string label =
            std::string(row.name) + (row.argument.empty() ? "" : " " + std::string(row.argument));
        AppendEntry(help, label, row.help, kOptionColumn);
    }
    return help + std::string(kTail);
}

} // namespace

std::string_view HelpText() {
    static const std::string help = Help();
    return help;
}

} // namespace orvanel::cli
