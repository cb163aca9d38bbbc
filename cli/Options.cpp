#include "Options.h"

#include <charconv>

namespace orvanel::cli {
namespace {

using batch::Command;

constexpr std::string_view kHelp = R"(Usage: orvanel-cli [OPTION]... COMMAND [OPERAND]...
Converts plane angles as the Orvanel window does, one result line for each input.

Commands:
  rad2deg R...   radians to degrees
  deg2rad A...   degrees, minutes and seconds to radians; A is a whole angle such as
                 45 30 15, 45:30:15, 45°30'15", 45d30m15s, 23Deg25.8', -45.5, 45°30'S
                 or N 45 30
  add X Y        (X + Y) modulo one turn, in radians
  sub X Y        (X - Y) modulo one turn, in radians
Without operands a command reads one input a line (for add and sub: X Y) from standard
input, or from each --file in turn. A blank line gives a blank line. Radians are numbers
as people write them: a sign, digits with one "." or ",", an exponent (1.5, -2,5, 1e-3).
An operand that starts with "-" is a number; "--" ends the options.

Options:
  --figures N      significant figures, as in the window's list: 6, 7 (default), 8 or 9
  --form F         rad2deg's degree form: dms (default), dm (whole minutes),
                   deg (decimal degrees) or degmin (degrees and decimal minutes)
  --file F         read the inputs from file F ("-": standard input); repeatable
  --crlf           end the result lines with CR LF, as the window's copy does
  --strict         stop at the first input that is refused
  --line-buffered  write each result at once, also into a pipe or file
  --help           show this help and exit
  --version        show the version and exit

Each line is converted as soon as it has come, from a terminal or a pipe: a terminal
shows its result at once; a pipe or file gets results in large blocks unless
--line-buffered is given. A refused input is reported on standard error as
  orvanel-cli: argument N: "<input>": <message>
  orvanel-cli: line N: "<input>": <message>        (standard input)
  orvanel-cli: FILE: line N: "<input>": <message>
with the window's message or why the input is no angle or number ("Two hemispheres",
"A sign and a hemisphere", "An empty field", "Not a number", "Too many fields"), and the
next input is taken. Exit status: 0 when every input converted, 1 when any was
refused, 2 for a usage error, a file that could not be read, or a failed write.
)";

bool IsAdder(Command command) {
    return command == Command::Add || command == Command::Sub;
}

std::optional<Command> CommandNamed(std::string_view name) {
    if (name == "rad2deg") {
        return Command::Rad2Deg;
    }
    if (name == "deg2rad") {
        return Command::Deg2Rad;
    }
    if (name == "add" || name == "sub") {
        return name == "add" ? Command::Add : Command::Sub;
    }
    return std::nullopt;
}

bool SetForm(std::string_view form, OutputOptions& options) {
    options.outputInDecimal = form == "deg" || form == "degmin";
    options.decimalDegrees = form != "degmin";
    options.roundToMinutes = form == "dm";
    return form == "dms" || form == "dm" || form == "deg" || form == "degmin";
}

bool SetFigures(std::string_view text, int& sigFigs) {
    int figures = 0;
    const auto end = text.data() + text.size();
    if (std::from_chars(text.data(), end, figures).ptr != end || figures < kFewestFigures ||
        figures > kMostFigures) {
        return false;
    }
    sigFigs = SigFigsOf(figures);
    return true;
}

// The option's flag, or nothing when `name` takes a value or is unknown.
bool* Flag(std::string_view name, Options& options) {
    if (name == "--crlf") {
        return &options.job.crlf;
    }
    if (name == "--strict") {
        return &options.job.strict;
    }
    return name == "--line-buffered" ? &options.lineBuffered : nullptr;
}

// Why the command line is wrong, or nothing when `options` now holds it.
} // namespace

std::optional<std::string> Parse(const std::vector<std::string_view>& args, Options& options) {
    std::optional<std::string_view> command;
    std::optional<std::string_view> form;
    options.job.settings.sigFigs = SigFigsOf(kStartFigures);
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        if (optionsEnded || arg.substr(0, 2) != "--") {
            (command ? options.operands.push_back(arg) : void(command = arg));
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        std::optional<std::string_view> value;
        if (const auto eq = arg.find('='); eq != std::string_view::npos) {
            value = arg.substr(eq + 1);
            arg = arg.substr(0, eq);
        }
        if (bool* flag = Flag(arg, options)) {
            if (value) {
                return std::string(arg) + " takes no value";
            }
            *flag = true;
            continue;
        }
        if (arg == "--help" || arg == "--version") {
            return std::string(arg) + " takes no value"; // given bare, Run has answered it
        }
        if (arg != "--figures" && arg != "--form" && arg != "--file") {
            return "unknown option " + std::string(arg);
        }
        if (!value) {
            if (i + 1 == args.size()) {
                return std::string(arg) + " needs a value";
            }
            value = args[++i];
        }
        if (arg == "--figures" && !SetFigures(*value, options.job.settings.sigFigs)) {
            return "--figures takes 6, 7, 8 or 9";
        }
        if (arg == "--form") {
            form = *value;
        } else if (arg == "--file") {
            options.files.emplace_back(*value);
        }
    }
    if (!command) {
        return std::string("a command is needed: rad2deg, deg2rad, add or sub");
    }
    const auto known = CommandNamed(*command);
    if (!known) {
        return "unknown command " + std::string(*command);
    }
    options.job.command = *known;
    if (form &&
        (options.job.command != Command::Rad2Deg || !SetForm(*form, options.job.settings.options))) {
        return std::string("--form takes dms, dm, deg or degmin, and only with rad2deg");
    }
    if (IsAdder(options.job.command) && !options.operands.empty() && options.operands.size() != 2) {
        return std::string("add and sub take two operands: X Y");
    }
    if (!options.operands.empty() && !options.files.empty()) {
        return std::string("give operands or --file, not both");
    }
    return std::nullopt;
}

std::string_view HelpText() {
    return kHelp;
}

} // namespace orvanel::cli
