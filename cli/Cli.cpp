#include "Cli.h"

#include "Calculator.h"
#include "StrProc.h"
#include "WholeAngle.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
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
                 45 30 15, 45:30:15, 45°30'15", 45d30m15s, -45.5, 45°30'S or N 45 30
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

Results reach a terminal line by line; a pipe or file gets them in large blocks unless
--line-buffered is given. A refused input is reported on standard error as
  orvanel-cli: argument N: "<input>": <message>
  orvanel-cli: line N: "<input>": <message>        (standard input)
  orvanel-cli: FILE: line N: "<input>": <message>
and the next input is taken. Exit status: 0 when every input converted, 1 when any was
refused, 2 for a usage error, a file that could not be read, or a failed write.
)";

enum class Command { Rad2Deg, Deg2Rad, Add, Sub };

struct Options {
    Command command = Command::Rad2Deg;
    CalcSettings settings;
    std::vector<std::string_view> operands;
    std::vector<std::string> files;
    bool crlf = false;
    bool strict = false;
    bool lineBuffered = false;
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
        return &options.crlf;
    }
    if (name == "--strict") {
        return &options.strict;
    }
    return name == "--line-buffered" ? &options.lineBuffered : nullptr;
}

// Why the command line is wrong, or nothing when `options` now holds it.
std::optional<std::string> Parse(const std::vector<std::string_view>& args, Options& options) {
    std::optional<std::string_view> command;
    std::optional<std::string_view> form;
    options.settings.sigFigs = SigFigsOf(kStartFigures);
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
        if (arg == "--figures" && !SetFigures(*value, options.settings.sigFigs)) {
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

constexpr std::string_view kBlanks = " \t";
const Message kTwoValues{"Two values are needed: X Y", "", MessageStyle::Exclamation};
const Message kNotANumber{"Not a number", "", MessageStyle::Exclamation};
const Message kLineTooLong{"Line too long", "", MessageStyle::Exclamation};

// The result line for one input (without its line end), or the message that refuses it.
struct Result {
    std::string line;
    std::optional<Message> refusal;
};

// The two operands of an adder line: "X Y", blanks between.
std::pair<std::string_view, std::string_view> SplitOperands(std::string_view line) {
    const auto gap = line.find_first_of(kBlanks);
    if (gap == std::string_view::npos) {
        return {line, {}};
    }
    const std::string_view rest = Trimmed(line.substr(gap), kBlanks);
    if (rest.find_first_of(kBlanks) != std::string_view::npos) {
        return {line.substr(0, gap), {}}; // three values: not an adder line either
    }
    return {line.substr(0, gap), rest};
}

// The window reads the second value in the first one's separator mode, so a comma in the
// second alone would cut it short there ("2,5" read as 2): refused rather than misread.
bool AreAdderOperands(std::string_view first, std::string_view second) {
    return IsWrittenNumber(first) && IsWrittenNumber(second) &&
           (HasComma(first) || !HasComma(second));
}

Result ConvertAdder(const Options& options, std::string_view input) {
    const auto [first, second] = SplitOperands(input);
    if (second.empty()) {
        return {"", kTwoValues};
    }
    if (!AreAdderOperands(first, second)) {
        return {"", kNotANumber};
    }
    EntryFields fields;
    fields.radians = first;
    fields.toAdd = second;
    const PlusMinusIndex index =
        options.command == Command::Add ? PlusMinusIndex::Add : PlusMinusIndex::Subtract;
    Outcome outcome = PlusMinus(fields, index, options.settings);
    return {std::move(outcome.paneLine), std::move(outcome.message)};
}

// `input` is trimmed of blanks and not empty.
Result Convert(const Options& options, std::string_view input) {
    EntryFields fields;
    Outcome outcome;
    switch (options.command) {
    case Command::Rad2Deg:
        if (!IsWrittenNumber(input)) {
            return {"", kNotANumber};
        }
        fields.radians = input;
        outcome = ConvertRadiansToDegrees(fields, options.settings);
        break;
    case Command::Deg2Rad:
        if (auto angle = ReadWholeAngle(input)) {
            outcome = ConvertDegreesToRadians(*angle, options.settings);
            break;
        }
        return {"", InvalidAngleMessage()};
    case Command::Add:
    case Command::Sub:
        return ConvertAdder(options, input);
    }
    return {std::move(outcome.paneLine), std::move(outcome.message)};
}

void AppendEscape(std::string& out, unsigned char byte) {
    constexpr std::string_view kHex = "0123456789ABCDEF";
    switch (byte) {
    case 0x00:
        out += "\\0";
        return;
    case 0x09:
        out += "\\t";
        return;
    case 0x0A:
        out += "\\n";
        return;
    case 0x0D:
        out += "\\r";
        return;
    case 0x1B:
        out += "\\e";
        return;
    case '\\':
        out += "\\\\";
        return;
    default:
        out += "\\x";
        out += kHex[byte >> 4];
        out += kHex[byte & 0xF];
    }
}

void SayWriteError(const Streams& streams) {
    std::fprintf(streams.err, "orvanel-cli: write error: %s\n", std::strerror(errno));
}

// Reads lines from a stream through a fixed buffer: a line longer than kLongestLine is never
// held whole, so memory stays the same whatever the input.
class LineReader {
  public:
    explicit LineReader(std::FILE* file) : m_file(file) {}

    // The next line without its line end (LF, or CR LF), or nothing at the end of the input
    // or on a read error. A line longer than kLongestLine comes back as its first
    // kLongestLine bytes, with `tooLong` set.
    std::optional<std::string_view> next(bool& tooLong) {
        tooLong = false;
        for (std::size_t searched = 0;;) {
            const char* start = m_buffer.data() + m_begin;
            const std::size_t held = m_end - m_begin;
            if (const void* lf = std::memchr(start + searched, '\n', held - searched)) {
                const auto length = static_cast<std::size_t>(static_cast<const char*>(lf) - start);
                m_begin += length + 1;
                return cut(std::string_view(start, length), tooLong);
            }
            if (held > kLongestLine) {
                return skipRestOfLine(tooLong);
            }
            if (!fill()) {
                const std::string_view rest(m_buffer.data() + m_begin, m_end - m_begin);
                m_begin = m_end;
                return rest.empty() ? std::nullopt : cut(rest, tooLong);
            }
            searched = held;
        }
    }

    // errno of the failed read, 0 when reading ended normally.
    int error() const { return m_error; }

  private:
    std::optional<std::string_view> cut(std::string_view line, bool& tooLong) {
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        tooLong = line.size() > kLongestLine;
        return tooLong ? line.substr(0, kLongestLine) : line;
    }

    // Keeps the head of an over-long line for the message and drops the rest unread.
    std::optional<std::string_view> skipRestOfLine(bool& tooLong) {
        m_head.assign(m_buffer.data() + m_begin, kLongestLine);
        m_begin = m_end;
        while (fill()) {
            const char* start = m_buffer.data() + m_begin;
            if (const void* lf = std::memchr(start, '\n', m_end - m_begin)) {
                m_begin =
                    static_cast<std::size_t>(static_cast<const char*>(lf) - m_buffer.data()) + 1;
                break;
            }
            m_begin = m_end;
        }
        tooLong = true;
        return std::string_view(m_head);
    }

    // Moves what is left to the front and reads more behind it; false when nothing more came.
    bool fill() {
        if (m_atEnd) {
            return false;
        }
        std::memmove(m_buffer.data(), m_buffer.data() + m_begin, m_end - m_begin);
        m_end -= m_begin;
        m_begin = 0;
        const std::size_t got =
            std::fread(m_buffer.data() + m_end, 1, m_buffer.size() - m_end, m_file);
        m_end += got;
        if (got == 0) {
            m_atEnd = true;
            m_error = std::ferror(m_file) ? errno : 0;
        }
        return got > 0;
    }

    std::FILE* m_file;
    std::array<char, 1 << 16> m_buffer{};
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    bool m_atEnd = false;
    int m_error = 0;
    std::string m_head;
};

class Runner {
  public:
    Runner(const Options& options, const Streams& streams)
        : m_options(options), m_streams(streams),
          m_end(options.crlf ? kCrLf : std::string_view("\n")) {}

    // Converts one input; false when the run must stop (--strict after a refusal, or output
    // that can no longer be written). `source` and `number` say where the input came from.
    bool take(std::string_view input, std::string_view source, long number, bool tooLong = false) {
        const std::string_view trimmed = Trimmed(input, kBlanks);
        Result result = tooLong           ? Result{"", kLineTooLong}
                        : trimmed.empty() ? Result{}
                                          : Convert(m_options, trimmed);
        if (result.refusal) {
            refuse(input, source, number, result.refusal->text);
            return !m_options.strict;
        }
        return write(result.line) && write(m_end) && (!m_options.lineBuffered || flush());
    }

    // Every line of `file`; `source` names its lines in messages, `name` the file itself.
    bool takeLines(std::FILE* file, std::string_view source, std::string_view name) {
        LineReader reader(file);
        bool tooLong = false;
        for (long number = 1; const auto line = reader.next(tooLong); ++number) {
            std::string_view text = *line;
            if (number == 1 && text.starts_with("\xEF\xBB\xBF")) {
                text.remove_prefix(3); // a byte-order mark some editors put first
            }
            if (!take(text, source, number, tooLong)) {
                return false;
            }
        }
        if (reader.error() != 0) {
            cannotRead(name, reader.error());
        }
        return true;
    }

    // A file that could not be opened or read: said at once, the status told at the end.
    void cannotRead(std::string_view name, int error) {
        std::fprintf(m_streams.err, "orvanel-cli: %.*s: %s\n", static_cast<int>(name.size()),
                     name.data(), std::strerror(error));
        m_unreadable = true;
    }

    bool flush() {
        if (std::fflush(m_streams.out) != 0 || std::ferror(m_streams.out)) {
            return writeFailed();
        }
        return true;
    }

    int status() const {
        return m_writeFailed || m_unreadable ? kFailed : m_refused ? kRefused : kConverted;
    }

  private:
    // The head of an over-long line is always longer than the echo, so it ends in "…" too.
    void refuse(std::string_view input, std::string_view source, long number,
                const std::string& why) {
        std::fprintf(m_streams.err, "orvanel-cli: %.*s %ld: \"%s\": %s\n",
                     static_cast<int>(source.size()), source.data(), number, Echo(input).c_str(),
                     why.c_str());
        m_refused = true;
    }

    bool write(std::string_view text) {
        // One thread only, so the unlocked call is safe and much faster for millions of lines.
        if (fwrite_unlocked(text.data(), 1, text.size(), m_streams.out) != text.size()) {
            return writeFailed();
        }
        return true;
    }

    bool writeFailed() {
        if (!m_writeFailed) {
            SayWriteError(m_streams);
        }
        m_writeFailed = true;
        return false;
    }

    const Options& m_options;
    const Streams& m_streams;
    std::string_view m_end;
    bool m_refused = false;
    bool m_unreadable = false;
    bool m_writeFailed = false;
};

int Usage(const Streams& streams, const std::string& why) {
    std::fprintf(streams.err, "orvanel-cli: %s\nTry 'orvanel-cli --help'.\n", why.c_str());
    return kFailed;
}

// --help and --version, when one is given (before any "--"): the exit status, else nothing.
std::optional<int> Answer(const std::vector<std::string_view>& args, const Streams& streams) {
    for (std::string_view arg : args) {
        if (arg == "--") {
            break;
        }
        if (arg == "--help" || arg == "--version") {
            std::fputs(arg == "--help" ? kHelp.data() : "orvanel-cli " ORVANEL_VERSION "\n",
                       streams.out);
            if (std::fflush(streams.out) != 0 || std::ferror(streams.out)) {
                SayWriteError(streams);
                return kFailed;
            }
            return kConverted;
        }
    }
    return std::nullopt;
}

// Reads each --file in turn ("-" is standard input), or standard input when there are none.
void TakeFiles(const Options& options, const Streams& streams, Runner& runner) {
    const std::vector<std::string> standardInput = {"-"};
    for (const std::string& name : options.files.empty() ? standardInput : options.files) {
        if (name == "-") {
            if (!runner.takeLines(streams.in, "line", "standard input")) {
                return;
            }
            continue;
        }
        std::FILE* file = std::fopen(name.c_str(), "r");
        if (file == nullptr) {
            runner.cannotRead(name, errno);
            continue;
        }
        const bool goOn = runner.takeLines(file, name + ": line", name);
        std::fclose(file);
        if (!goOn) {
            return;
        }
    }
}

} // namespace

std::string Echo(std::string_view input) {
    std::string out;
    const auto* bytes = reinterpret_cast<const unsigned char*>(input.data());
    std::size_t characters = 0;
    for (std::size_t i = 0; i < input.size(); ++characters) {
        if (characters == kEchoCharacters) {
            return out + "…";
        }
        char32_t cp = 0;
        const int length = Utf8Sequence(bytes + i, input.size() - i, cp);
        // Controls, the backslash, and a byte-order mark, which would show as nothing at all.
        const bool control = cp < 0x20 || (cp >= 0x7F && cp < 0xA0) || cp == '\\' || cp == 0xFEFF;
        if (length == 0 || control) {
            // A C1 control is two bytes in UTF-8; each is shown, as a terminal never sees it.
            for (int k = 0; k < std::max(length, 1); ++k) {
                AppendEscape(out, bytes[i + static_cast<std::size_t>(k)]);
            }
        } else {
            out.append(input.substr(i, static_cast<std::size_t>(length)));
        }
        i += static_cast<std::size_t>(std::max(length, 1));
    }
    return out;
}

int Run(const std::vector<std::string_view>& args, const Streams& streams) {
    if (const auto answered = Answer(args, streams)) {
        return *answered;
    }
    Options options;
    if (const auto wrong = Parse(args, options)) {
        return Usage(streams, *wrong);
    }
    Runner runner(options, streams);
    if (IsAdder(options.command) && !options.operands.empty()) {
        const std::string line =
            std::string(options.operands[0]) + " " + std::string(options.operands[1]);
        runner.take(line, "argument", 1);
    } else if (!options.operands.empty()) {
        for (std::size_t i = 0; i < options.operands.size(); ++i) {
            if (!runner.take(options.operands[i], "argument", static_cast<long>(i) + 1)) {
                break;
            }
        }
    } else {
        TakeFiles(options, streams, runner);
    }
    runner.flush();
    return runner.status();
}

} // namespace orvanel::cli
