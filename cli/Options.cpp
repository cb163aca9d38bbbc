#include "Options.h"

#include <array>
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
  dms2deg A...   a whole angle, as deg2rad reads it, to decimal degrees, exactly
                 (minutes and seconds below 60: 36°57'59.5" is an angle)
  deg2dms X...   decimal degrees to degrees, minutes and seconds, exactly
A latitude or longitude is written with a sign or a hemisphere, before or after it:
-36.952778, 36.952778 S, S 36°57'10", 36°57'10"S; north and east are positive, south and
west negative. Results are signed, with "-".
Without operands a command reads one input a line (for add and sub: X Y) from standard
input, or from each --file in turn. A blank line gives a blank line. Radians and decimal
degrees are numbers as people write them: a sign, digits with one "." or ",", an exponent
(1.5, -2,5, 1e-3). An operand that starts with "-" is a number; "--" ends the options.

Options:
  --figures N      significant figures, as in the window's list: 6, 7 (default), 8 or 9
                   (rad2deg, deg2rad, add, sub)
  --form F         rad2deg's degree form: dms (default), dm (whole minutes), deg (decimal
                   degrees) or degmin (degrees and decimal minutes); deg2dms's: dms, dm
                   or degmin
  --decimals N     0 to 12 decimals of dms2deg's degrees (default 6), or of deg2dms's
                   seconds (--form dms, default 2) or minutes (--form degmin, default 4)
  --values         write only each result, not "input = "; an empty line for a refused one
  --csv            read CSV rows and convert the cells of each --column, leaving every
                   other byte as it was
  --column C       a column to convert: a number from 1, or with --header a name; repeatable
  --header         the first row names the columns and is left as it is
  --delimiter D    the CSV delimiter: "," (default), ";", "|" or tab
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
  orvanel-cli: FILE: line N: column C: "<cell>": <message>        (--csv)
with the window's message or why the input is no angle or number ("Two hemispheres",
"A sign and a hemisphere", "An empty field", "Not a number", "Too many fields"), and the
next input is taken; a refused cell is left as it was. Exit status: 0 when every input
converted, 1 when any was refused, 2 for a usage error, a file that could not be read, a
--column name the header lacks, or a failed write.
)";

// What the command line says, before it is checked against the command.
struct Given {
    std::optional<std::string_view> command, form, figures, decimals, delimiter;
    std::vector<std::string_view> columns;
    bool csv = false;
    bool header = false;
};

bool IsAdder(Command command) {
    return command == Command::Add || command == Command::Sub;
}

bool IsExact(Command command) {
    return command == Command::Dms2Deg || command == Command::Deg2Dms;
}

std::optional<Command> CommandNamed(std::string_view name) {
    constexpr std::array<std::pair<std::string_view, Command>, 6> kCommands = {
        {{"rad2deg", Command::Rad2Deg},
         {"deg2rad", Command::Deg2Rad},
         {"add", Command::Add},
         {"sub", Command::Sub},
         {"dms2deg", Command::Dms2Deg},
         {"deg2dms", Command::Deg2Dms}}};
    for (const auto& [text, command] : kCommands) {
        if (name == text) {
            return command;
        }
    }
    return std::nullopt;
}

std::optional<int> WholeNumber(std::string_view text, int least, int most) {
    int value = 0;
    const auto end = text.data() + text.size();
    if (text.empty() || std::from_chars(text.data(), end, value).ptr != end || value < least ||
        value > most) {
        return std::nullopt;
    }
    return value;
}

// The option's flag, or nothing when `name` takes a value or is unknown.
bool* Flag(std::string_view name, Options& options, Given& given) {
    if (name == "--crlf" || name == "--strict") {
        return name == "--crlf" ? &options.job.crlf : &options.job.strict;
    }
    if (name == "--csv" || name == "--header") {
        return name == "--csv" ? &given.csv : &given.header;
    }
    if (name == "--values") {
        return &options.job.values;
    }
    return name == "--line-buffered" ? &options.lineBuffered : nullptr;
}

// Where an option's value goes, or nothing for an option that takes none or is unknown.
std::optional<std::string_view>* Valued(std::string_view name, Given& given) {
    if (name == "--figures" || name == "--form") {
        return name == "--figures" ? &given.figures : &given.form;
    }
    if (name == "--decimals" || name == "--delimiter") {
        return name == "--decimals" ? &given.decimals : &given.delimiter;
    }
    return nullptr;
}

// Reads the words; why they are wrong, or nothing.
std::optional<std::string> Read(const std::vector<std::string_view>& args, Options& options,
                                Given& given) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        if (optionsEnded || arg.substr(0, 2) != "--") {
            (given.command ? options.operands.push_back(arg) : void(given.command = arg));
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
        if (bool* flag = Flag(arg, options, given)) {
            if (value) {
                return std::string(arg) + " takes no value";
            }
            *flag = true;
            continue;
        }
        if (arg == "--help" || arg == "--version") {
            return std::string(arg) + " takes no value"; // given bare, Run has answered it
        }
        if (!Valued(arg, given) && arg != "--file" && arg != "--column") {
            return "unknown option " + std::string(arg);
        }
        if (!value) {
            if (i + 1 == args.size()) {
                return std::string(arg) + " needs a value";
            }
            value = args[++i];
        }
        if (arg == "--file") {
            options.files.emplace_back(*value);
        } else if (arg == "--column") {
            given.columns.push_back(*value);
        } else {
            *Valued(arg, given) = *value;
        }
    }
    return std::nullopt;
}

// --figures and --form for the window's commands.
std::optional<std::string> SetWindowForm(const Given& given, Options& options) {
    CalcSettings& settings = options.job.settings;
    settings.sigFigs = SigFigsOf(kStartFigures);
    if (given.figures) {
        const auto figures = WholeNumber(*given.figures, kFewestFigures, kMostFigures);
        if (!figures) {
            return std::string("--figures takes 6, 7, 8 or 9");
        }
        settings.sigFigs = SigFigsOf(*figures);
    }
    if (!given.form) {
        return std::nullopt;
    }
    const std::string_view form = *given.form;
    OutputOptions& out = settings.options;
    out.outputInDecimal = form == "deg" || form == "degmin";
    out.decimalDegrees = form != "degmin";
    out.roundToMinutes = form == "dm";
    if (options.job.command != Command::Rad2Deg ||
        !(form == "dms" || form == "dm" || form == "deg" || form == "degmin")) {
        return std::string("--form takes dms, dm, deg or degmin with rad2deg, and dms, dm or "
                           "degmin with deg2dms");
    }
    return std::nullopt;
}

// --form and --decimals for dms2deg and deg2dms.
std::optional<std::string> SetExactForm(const Given& given, batch::Job& job) {
    if (given.figures) {
        return std::string("--figures is for rad2deg, deg2rad, add and sub; dms2deg and deg2dms "
                           "take --decimals");
    }
    if (given.form) {
        const std::string_view form = *given.form;
        job.form = form == "dm"       ? SexagesimalForm::Dm
                   : form == "degmin" ? SexagesimalForm::DegMin
                                      : SexagesimalForm::Dms;
        if (job.command != Command::Deg2Dms || !(form == "dms" || form == "dm" || form == "degmin")) {
            return std::string("--form takes dms, dm, deg or degmin with rad2deg, and dms, dm or "
                               "degmin with deg2dms");
        }
    }
    if (given.decimals) {
        const auto decimals = WholeNumber(*given.decimals, 0, kMostDecimals);
        if (!decimals || job.form == SexagesimalForm::Dm) {
            return std::string("--decimals takes 0 to 12, with dms2deg or deg2dms --form dms or "
                               "degmin");
        }
        job.decimals = *decimals;
    }
    return std::nullopt;
}

// --csv with its --column, --header and --delimiter.
std::optional<std::string> SetCsv(const Given& given, Options& options) {
    if (!given.csv) {
        const bool any = !given.columns.empty() || given.header || given.delimiter;
        return any ? std::optional<std::string>("--column, --header and --delimiter go with --csv")
                   : std::nullopt;
    }
    if (!options.operands.empty()) {
        return std::string("--csv reads files or standard input, not operands");
    }
    batch::CsvJob csv;
    csv.dialect.header = given.header;
    if (given.delimiter) {
        const std::string_view d = *given.delimiter;
        if (!(d == "," || d == ";" || d == "|" || d == "\t" || d == "tab")) {
            return std::string("--delimiter takes \",\", \";\", \"|\" or tab");
        }
        csv.dialect.delimiter = d == "tab" ? '\t' : d[0];
    }
    for (std::string_view column : given.columns) {
        const auto number = WholeNumber(column, 1, 1 << 20);
        if (!number && !given.header) {
            return "--column " + std::string(column) + ": a column number from 1, or a name with --header";
        }
        csv.columns.push_back(number ? csv::Column{*number, ""} : csv::Column{0, std::string(column)});
    }
    options.job.csv = std::move(csv);
    return std::nullopt;
}

} // namespace

std::optional<std::string> Parse(const std::vector<std::string_view>& args, Options& options) {
    Given given;
    if (auto wrong = Read(args, options, given)) {
        return wrong;
    }
    if (!given.command) {
        return std::string("a command is needed: rad2deg, deg2rad, add, sub, dms2deg or deg2dms");
    }
    const auto known = CommandNamed(*given.command);
    if (!known) {
        return "unknown command " + std::string(*given.command);
    }
    options.job.command = *known;
    if (IsExact(*known)) {
        if (auto wrong = SetExactForm(given, options.job)) {
            return wrong;
        }
    } else if (given.decimals) {
        return std::string("--decimals is for dms2deg and deg2dms; the others take --figures");
    } else if (auto wrong = SetWindowForm(given, options)) {
        return wrong;
    }
    if (IsAdder(*known) && !options.operands.empty() && options.operands.size() != 2) {
        return std::string("add and sub take two operands: X Y");
    }
    if (!options.operands.empty() && !options.files.empty()) {
        return std::string("give operands or --file, not both");
    }
    return SetCsv(given, options);
}

std::string_view HelpText() {
    return kHelp;
}

} // namespace orvanel::cli
