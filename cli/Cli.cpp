#include "Cli.h"

#include "Calculator.h"
#include "WholeAngle.h"

#include <charconv>
#include <cstdlib>
#include <optional>
#include <string>

#ifndef ORVANEL_VERSION
#define ORVANEL_VERSION "unknown"
#endif

namespace orvanel::cli {
namespace {

constexpr std::string_view kHelp = R"(Usage: orvanel-cli [OPTION]... COMMAND [OPERAND]...
Converts plane angles as the Orvanel window does, one result line for each input.

Commands:
  rad2deg R...   radians to degrees
  deg2rad A...   degrees, minutes and seconds to radians; A is a whole angle such as
                 45 30 15, 45:30:15, 45°30'15", 45d30m15s, -45.5 or 45°30'S
  add X Y        (X + Y) modulo one turn, in radians
  sub X Y        (X - Y) modulo one turn, in radians
Without operands a command reads one input a line (for add and sub: X Y) from standard
input, or from each --file in turn, and writes each result as soon as it is converted.
An operand that starts with "-" is a number; "--" ends the options.

Options:
  --figures N    significant figures, as in the window's list: 6, 7 (default), 8 or 9
  --form F       rad2deg's degree form: dms (default), dm (whole minutes),
                 deg (decimal degrees) or degmin (degrees and decimal minutes)
  --file F       read the inputs from file F (repeatable)
  --crlf         end the result lines with CR LF, as the window's copy does
  --strict       stop at the first input that is refused
  --help         show this help and exit
  --version      show the version and exit

A refused input is reported on standard error as: orvanel-cli: line N: "<input>": <message>
Exit status: 0 when every input converted, 1 when any was refused, 2 for a usage error.
)";

enum class Command { Rad2Deg, Deg2Rad, Add, Sub };

struct Options {
    Command command = Command::Rad2Deg;
    CalcSettings settings;
    std::vector<std::string_view> operands;
    std::vector<std::string> files;
    bool crlf = false;
    bool strict = false;
};

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
    if (std::from_chars(text.data(), end, figures).ptr != end || figures < 6 || figures > 9) {
        return false;
    }
    sigFigs = figures - 1; // the window's SigFigs: the list entry less one
    return true;
}

// Why the command line is wrong, or nothing when `options` now holds it.
std::optional<std::string> Parse(const std::vector<std::string_view>& args, Options& options) {
    std::optional<std::string_view> command;
    std::optional<std::string_view> form;
    options.settings.sigFigs = 6;
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
        const bool takesValue = arg == "--figures" || arg == "--form" || arg == "--file";
        if (takesValue && !value) {
            if (i + 1 == args.size()) {
                return std::string(arg) + " needs a value";
            }
            value = args[++i];
        }
        if (arg == "--figures" && !SetFigures(*value, options.settings.sigFigs)) {
            return "--figures takes 6, 7, 8 or 9";
        } else if (arg == "--form") {
            form = *value;
        } else if (arg == "--file") {
            options.files.emplace_back(*value);
        } else if (arg == "--crlf" || arg == "--strict") {
            (arg == "--crlf" ? options.crlf : options.strict) = true;
        } else if (!takesValue) {
            return "unknown option " + std::string(arg);
        }
    }
    if (!command) {
        return std::string("a command is needed: rad2deg, deg2rad, add or sub");
    }
    const auto known = CommandNamed(*command);
    if (!known) {
        return "unknown command " + std::string(*command);
    }
    options.command = *known;
    if (form &&
        (options.command != Command::Rad2Deg || !SetForm(*form, options.settings.options))) {
        return std::string("--form takes dms, dm, deg or degmin, and only with rad2deg");
    }
    if (IsAdder(options.command) && !options.operands.empty() && options.operands.size() != 2) {
        return std::string("add and sub take two operands: X Y");
    }
    if (!options.operands.empty() && !options.files.empty()) {
        return std::string("give operands or --file, not both");
    }
    return std::nullopt;
}

const Message kInvalidAngle{"Invalid input for degrees, minutes or seconds.",
                            std::string(kDeg2RadCaption), MessageStyle::Exclamation};
const Message kTwoValues{"Two values are needed: X Y", "", MessageStyle::Exclamation};

// The result line for one input (without its line end), or the message that refuses it.
struct Result {
    std::string line;
    std::optional<Message> refusal;
};

Result Convert(const Options& options, std::string_view first, std::string_view second) {
    EntryFields fields;
    Outcome outcome;
    switch (options.command) {
    case Command::Rad2Deg:
        fields.radians = first;
        outcome = ConvertRadiansToDegrees(fields, options.settings);
        break;
    case Command::Deg2Rad:
        if (first.empty()) {
            return {};
        }
        if (auto angle = ReadWholeAngle(first)) {
            outcome = ConvertDegreesToRadians(*angle, options.settings);
            break;
        }
        return {"", kInvalidAngle};
    case Command::Add:
    case Command::Sub:
        if (first.empty() && second.empty()) {
            return {};
        }
        if (second.empty()) {
            return {"", kTwoValues};
        }
        fields.radians = first;
        fields.toAdd = second;
        outcome = PlusMinus(fields,
                            options.command == Command::Add ? PlusMinusIndex::Add
                                                            : PlusMinusIndex::Subtract,
                            options.settings);
        break;
    }
    std::string line = std::move(outcome.paneAppend);
    if (line.size() >= kCrLf.size()) {
        line.resize(line.size() - kCrLf.size());
    }
    return {std::move(line), std::move(outcome.message)};
}

// The two operands of an adder line: "X Y", blanks between.
std::pair<std::string_view, std::string_view> SplitOperands(std::string_view line) {
    constexpr std::string_view kBlanks = " \t";
    const auto start = line.find_first_not_of(kBlanks);
    if (start == std::string_view::npos) {
        return {};
    }
    line.remove_prefix(start);
    const auto gap = line.find_first_of(kBlanks);
    if (gap == std::string_view::npos) {
        return {line, {}};
    }
    std::string_view rest = line.substr(gap);
    rest.remove_prefix(std::min(rest.find_first_not_of(kBlanks), rest.size()));
    rest = rest.substr(0, rest.find_last_not_of(kBlanks) + 1);
    if (rest.find_first_of(kBlanks) != std::string_view::npos) {
        return {line.substr(0, gap), {}}; // three values: not an adder line either
    }
    return {line.substr(0, gap), rest};
}

class Runner {
  public:
    Runner(const Options& options, const Streams& streams)
        : m_options(options), m_streams(streams), m_end(options.crlf ? "\r\n" : "\n") {}

    // Converts one input; false when the run must stop (--strict after a refusal).
    // `source` and `number` say where the input came from: "line" or "argument", and which.
    bool take(std::string_view input, std::string_view source, long number) {
        const auto [first, second] = IsAdder(m_options.command)
                                         ? SplitOperands(input)
                                         : std::pair{input, std::string_view()};
        Result result = Convert(m_options, first, second);
        if (result.refusal) {
            std::fprintf(m_streams.err, "orvanel-cli: %.*s %ld: \"%.*s\": %s\n",
                         static_cast<int>(source.size()), source.data(), number,
                         static_cast<int>(input.size()), input.data(),
                         result.refusal->text.c_str());
            m_refused = true;
            return !m_options.strict;
        }
        result.line += m_end;
        fwrite_unlocked(result.line.data(), 1, result.line.size(), m_streams.out); // one thread
        return true;
    }

    // Every line of `file`; `source` names its lines in messages.
    bool takeLines(std::FILE* file, const std::string& source) {
        char* buffer = nullptr;
        std::size_t capacity = 0;
        bool goOn = true;
        for (long number = 1; goOn; ++number) {
            const ssize_t got = getline(&buffer, &capacity, file);
            if (got < 0) {
                break;
            }
            std::string_view line(buffer, static_cast<std::size_t>(got));
            while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
                line.remove_suffix(1);
            }
            goOn = take(line, source, number);
        }
        std::free(buffer);
        return goOn;
    }

    bool refused() const { return m_refused; }

  private:
    const Options& m_options;
    const Streams& m_streams;
    std::string_view m_end;
    bool m_refused = false;
};

int Usage(const Streams& streams, const std::string& why) {
    std::fprintf(streams.err, "orvanel-cli: %s\nTry 'orvanel-cli --help'.\n", why.c_str());
    return kUsage;
}

} // namespace

int Run(const std::vector<std::string_view>& args, const Streams& streams) {
    for (std::string_view arg : args) {
        if (arg == "--") {
            break;
        }
        if (arg == "--help" || arg == "--version") {
            std::fputs(arg == "--help" ? kHelp.data() : "orvanel-cli " ORVANEL_VERSION "\n",
                       streams.out);
            return kConverted;
        }
    }
    Options options;
    if (const auto wrong = Parse(args, options)) {
        return Usage(streams, *wrong);
    }
    Runner runner(options, streams);
    if (IsAdder(options.command)) {
        if (!options.operands.empty()) {
            const std::string line =
                std::string(options.operands[0]) + " " + std::string(options.operands[1]);
            runner.take(line, "argument", 1);
        }
    } else {
        for (std::size_t i = 0; i < options.operands.size(); ++i) {
            if (!runner.take(options.operands[i], "argument", static_cast<long>(i) + 1)) {
                break;
            }
        }
    }
    if (options.operands.empty() && options.files.empty()) {
        runner.takeLines(streams.in, "line");
    }
    for (const std::string& name : options.files) {
        std::FILE* file = std::fopen(name.c_str(), "r");
        if (file == nullptr) {
            return Usage(streams, "cannot read " + name);
        }
        const bool goOn = runner.takeLines(file, name + ": line");
        std::fclose(file);
        if (!goOn) {
            break;
        }
    }
    std::fflush(streams.out);
    return runner.refused() ? kRefused : kConverted;
}

} // namespace orvanel::cli
