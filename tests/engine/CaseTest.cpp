// Runs the tables of examples in tests/engine/cases/*.tsv. One row a line, cells separated by
// tabs, "#" starts a comment line. In a cell, \t \n \r \0 \e \\ stand for a tab, a line feed,
// a carriage return, a NUL, an escape and a backslash, \xHH for that byte, and {X*N} for N
// copies of X.
//
// A rule row: the rule's name, its arguments, and last what it must give (see numbers.tsv and
// text.tsv). A command row, for the window's commands:
//   command  settings  field=value...  ->  key=value...
// command: rad2deg deg2rad add sub move sign sign-unfocusable
// settings: sig=N (SigFigs), a degree form (dms dm deg degmin, as orvanel-cli names them), a
//   regional format (point comma nozero minus nodecimals nogroup), quiet (adder lines hidden)
// fields: radians toAdd degrees minutes seconds sign; keys after "->": any field, line (the
//   pane's line, empty for none), message, title, style (48, 64), focus, commas (1: the pane
//   turns its points to commas), fields=unchanged, cli (what orvanel-cli says instead of the
//   window's line or message for the same input). message, focus and commas are checked on
//   every row: when a row leaves them out they must be empty, Unchanged and 0.
// Every command row that orvanel-cli can express runs through it as well.
#include "Calculator.h"
#include "Cli.h"
#include "Echo.h"
#include "MainLayout.h"
#include "Packed.h"
#include "Rad2Deg.h"
#include "StrProc.h"
#include "Units.h"

#include <gtest/gtest.h>

#include <charconv>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <sstream>
#include <unistd.h>

using namespace orvanel;

namespace {

using Row = std::vector<std::string>;

std::string Unescape(const std::string& text) {
    static const std::regex repeat(R"(^\{([^*{}]+)\*(\d+)\})");
    static const std::map<char, char> escapes = {
        {'t', '\t'}, {'n', '\n'}, {'r', '\r'}, {'0', '\0'}, {'e', '\x1B'}};
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::smatch match;
        const std::string rest = text.substr(i);
        if (text[i] == '{' && std::regex_search(rest, match, repeat)) {
            for (int n = std::stoi(match[2]); n-- > 0;) {
                out += match[1];
            }
            i += static_cast<std::size_t>(match.length(0)) - 1;
        } else if (rest.starts_with("\\x")) {
            out += static_cast<char>(std::stoi(rest.substr(2, 2), nullptr, 16));
            i += 3;
        } else if (text[i] == '\\' && ++i < text.size()) {
            out += escapes.contains(text[i]) ? escapes.at(text[i]) : text[i];
        } else {
            out += text[i];
        }
    }
    return out;
}

struct TableRow {
    int line; // in the file, for messages
    Row cells;
};

std::vector<TableRow> ReadTable(const std::string& name) {
    std::ifstream in(std::string(ORVANEL_CASES) + "/" + name);
    std::vector<TableRow> rows;
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        if (++number, line.empty() || line[0] == '#') {
            continue;
        }
        TableRow& row = rows.emplace_back(TableRow{number, {}});
        for (std::size_t start = 0, tab = 0; tab != std::string::npos; start = tab + 1) {
            tab = line.find('\t', start);
            row.cells.push_back(Unescape(line.substr(start, tab - start)));
        }
    }
    EXPECT_FALSE(rows.empty()) << name;
    return rows;
}

// Numbers in the tables are read and written by the C++ library, independently of the calculator.
double Number(const std::string& text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}
std::string Text(double x) {
    char buffer[32];
    return {buffer, std::to_chars(buffer, buffer + sizeof buffer, x).ptr};
}

NumberFormat Format(const std::string& name) {
    NumberFormat format;
    format.decimalSeparator = name == "comma" ? "," : ".";
    format.groupSeparator = name == "comma" ? "." : ",";
    format.leadingZero = name != "nozero";
    format.negativeSign = name == "minus" ? "\u2212" : "-";
    format.defaultDecimals = name == "nodecimals" ? 0 : 2;
    format.groupSize = name == "nogroup" ? 0 : 3;
    return format;
}

const std::map<std::string, OutputOptions> kForms = {{"dms", {false, true, false, true}},
                                                     {"dm", {false, true, true, true}},
                                                     {"deg", {true, true, false, true}},
                                                     {"degmin", {true, false, false, true}}};

// "sig=6 degmin comma quiet": the precision, the degree form, the regional format, the log.
CalcSettings Settings(const std::string& words, std::string& form) {
    CalcSettings settings;
    std::istringstream in(words);
    form = "dms";
    for (std::string word; in >> word;) {
        if (word.starts_with("sig=")) {
            settings.sigFigs = std::stoi(word.substr(4));
        } else if (kForms.contains(word)) {
            settings.options = kForms.at(form = word);
        } else if (word == "quiet") {
            settings.options.showPlusMinus = false;
        } else {
            settings.format = Format(word);
        }
    }
    return settings;
}

Outcome Run(const std::string& command, EntryFields& fields, const CalcSettings& settings) {
    if (command == "deg2rad" || command == "rad2deg") {
        return command == "deg2rad" ? ConvertDegreesToRadians(fields, settings)
                                    : ConvertRadiansToDegrees(fields, settings);
    }
    if (command.starts_with("sign")) {
        return ChangeSign(fields, command == "sign");
    }
    const auto index = command == "add"   ? PlusMinusIndex::Add
                       : command == "sub" ? PlusMinusIndex::Subtract
                                          : PlusMinusIndex::Move;
    return PlusMinus(fields, index, settings);
}

struct CliRun {
    int status;
    std::string out, err;
};

std::string Slurp(std::FILE* file) {
    std::string text(static_cast<std::size_t>(std::max(std::ftell(file), 0L)), '\0');
    std::rewind(file);
    text.resize(std::fread(text.data(), 1, text.size(), file));
    std::fclose(file);
    return text;
}

// A stream for a word of a command line: "<PATH" and ">PATH" redirect standard input and output,
// ">closed-pipe" writes into a pipe nobody reads.
std::FILE* Redirected(const std::string& word) {
    if (word == ">closed-pipe") {
        int ends[2] = {-1, -1};
        EXPECT_EQ(::pipe(ends), 0);
        ::close(ends[0]);
        return ::fdopen(ends[1], "w");
    }
    return std::fopen(word.substr(1).c_str(), word[0] == '<' ? "r" : "w");
}

// orvanel-cli run in this process: the command line split at "|", so operands may hold blanks.
CliRun RunCli(const std::string& commandLine, const std::string& input) {
    std::vector<std::string> words;
    std::FILE* in = std::tmpfile();
    std::FILE* out = std::tmpfile();
    std::istringstream split(commandLine);
    for (std::string word; std::getline(split, word, '|');) {
        if (word.size() > 1 && (word[0] == '<' || word[0] == '>')) {
            std::fclose(word[0] == '<' ? in : out);
            (word[0] == '<' ? in : out) = Redirected(word);
        } else {
            words.push_back(word);
        }
    }
    std::fwrite(input.data(), 1, input.size(), in);
    std::rewind(in);
    std::FILE* err = std::tmpfile();
    std::signal(SIGPIPE, SIG_IGN); // a closed pipe is then an error to report, as under a shell
    const int status = cli::Run({words.begin(), words.end()}, {in, out, err});
    std::signal(SIGPIPE, SIG_DFL);
    std::fclose(in);
    return {status, Slurp(out), Slurp(err)};
}

// The command line and its input for a window row that orvanel-cli can express: the same
// input, list entry and form, the regional format the command uses. Empty when it cannot.
std::string CliCommandLine(const Row& row, const EntryFields& in, std::string& input) {
    std::string form;
    const CalcSettings settings = Settings(row[1], form);
    const bool otherFormat = std::regex_search(row[1], std::regex("nozero|minus|nodecimals"));
    if (settings.sigFigs < 5 || otherFormat || !settings.options.showPlusMinus ||
        row[0].starts_with("sign") || row[0] == "move") {
        return {};
    }
    const std::string line = row[0] + "|--figures|" + std::to_string(settings.sigFigs + 1);
    if (row[0] == "rad2deg") {
        input = in.radians;
        return input.empty() ? "" : line + "|--form|" + form; // a blank line gives a blank line
    }
    if (row[0] == "deg2rad") {
        // A whole angle from the three fields, each part marked by its unit.
        const std::string typed = in.degrees + in.minutes + in.seconds;
        input = in.sign + (in.degrees.empty() ? "" : in.degrees + "°") +
                (in.minutes.empty() ? "" : in.minutes + "'") +
                (in.seconds.empty() ? "" : in.seconds + "\"");
        // The command reads blanks, signs and letters as separators, signs and hemispheres.
        return typed.find_first_not_of("0123456789.,") != std::string::npos ? "" : line;
    }
    input = in.radians + " " + in.toAdd;
    return in.radians.empty() || in.toAdd.empty() ||
                   input.find_first_of("\t") != std::string::npos ||
                   std::count(input.begin(), input.end(), ' ') != 1
               ? ""
               : line;
}

// The tables name a focus target by its control without the kind: "Radians", "Deg2Rad".
std::string FocusName(FocusTarget target) {
    const std::string_view control = layout::ControlOf(target);
    return control.empty() ? "Unchanged" : std::string(control.substr(3));
}

void CheckCommand(const Row& row, const std::string& where) {
    EntryFields fields;
    const std::map<std::string, std::string*> named = {
        {"radians", &fields.radians}, {"toAdd", &fields.toAdd},     {"degrees", &fields.degrees},
        {"minutes", &fields.minutes}, {"seconds", &fields.seconds}, {"sign", &fields.sign}};
    std::size_t i = 2;
    for (; row.at(i) != "->"; ++i) {
        *named.at(row[i].substr(0, row[i].find('='))) = row[i].substr(row[i].find('=') + 1);
    }
    const EntryFields before = fields;
    std::string form;
    const Outcome outcome = Run(row[0], fields, Settings(row[1], form));
    const Message message = outcome.message.value_or(Message{});
    const std::map<std::string, std::string> got = {
        {"line", outcome.result.text()},
        {"message", message.text},
        {"title", message.title},
        {"style", outcome.message ? std::to_string(static_cast<int>(message.style)) : ""},
        {"focus", FocusName(outcome.focus)},
        {"commas", outcome.paneCommas ? "1" : "0"},
        {"fields", fields == before ? "unchanged" : "changed"}};
    std::map<std::string, std::string> expected = {
        {"message", ""}, {"focus", "Unchanged"}, {"commas", "0"}};
    for (++i; i < row.size(); ++i) {
        expected[row[i].substr(0, row[i].find('='))] = row[i].substr(row[i].find('=') + 1);
    }
    for (const auto& [key, value] : expected) {
        if (key != "cli") {
            EXPECT_EQ(named.contains(key) ? *named.at(key) : got.at(key), value)
                << where << " " << key;
        }
    }
    // orvanel-cli prints the window's line for the same input, or refuses it with its message.
    std::string input;
    if (const std::string command = CliCommandLine(row, before, input); !command.empty()) {
        const CliRun run = RunCli(command + "|--crlf", input + "\n");
        const std::string said = expected.contains("cli") ? expected["cli"]
                                 : outcome.message        ? message.text
                                                          : outcome.result.text();
        EXPECT_EQ(run.status == 0 ? run.out : run.err.substr(run.err.rfind("\": ") + 3),
                  said + (run.status == 0 ? "\r\n" : "\n"))
            << where << " (orvanel-cli " << command << ")";
    }
}

// An angle in a unit's exact conversion: "unit VALUE FROM TO DECIMALS WRAP", TO a unit or a
// sexagesimal form (dms degmin dm hms), WRAP none 360 180; "none" where it cannot be converted.
std::string UnitConversion(const Row& r) {
    using namespace orvanel::units;
    const std::string_view value = r[1];
    const bool negative = value.starts_with('-');
    const ScannedNumber number = ScanNumber(value.substr(negative ? 1 : 0), true);
    const auto unit = [](std::string_view name) {
        for (const UnitRow& row : kUnits) {
            if (row.name == name) {
                return row.unit;
            }
        }
        throw std::invalid_argument("no unit " + std::string(name));
    };
    const Angle angle{DecimalOf(number), negative, unit(r[2])};
    const int decimals = std::stoi(r[4]);
    const Wrap wrap = r[5] == "360" ? Wrap::Full : r[5] == "180" ? Wrap::Half : Wrap::None;
    const std::map<std::string, Sexagesimal> forms = {{"dms", Sexagesimal::Dms},
                                                      {"degmin", Sexagesimal::DegMin},
                                                      {"dm", Sexagesimal::Dm},
                                                      {"hms", Sexagesimal::Hms}};
    static Converter converter; // π kept from row to row, as a run keeps it from line to line
    const std::optional<std::string> text =
        forms.contains(r[3]) ? converter.sexagesimal(angle, forms.at(r[3]), decimals, wrap)
                             : converter.text(angle, unit(r[3]), decimals, wrap);
    return text.value_or("none");
}

// A packed notation read: "packed TEXT NOTATION DECIMALS", what it is in degrees, minutes and
// seconds with that many decimals, or the reason it is refused.
std::string PackedReading(const Row& r) {
    using namespace orvanel::units;
    const Packing packing = r[2] == "nmea"      ? Packing::Nmea
                            : r[2] == "compact" ? Packing::Compact
                                                : Packing::Packed;
    const PackedAngle read = ReadPacked(r[1], packing);
    if (!read) {
        return std::string(ProblemText(read.problem));
    }
    return *Converter().sexagesimal(read.angle, Sexagesimal::Dms, std::stoi(r[3]), Wrap::None);
}

// What each pure rule gives for a row's arguments, as text.
const std::map<std::string, std::function<std::string(const Row&)>> kRules = {
    {"read", [](const Row& r) { return Text(ReadLeadingNumber(r[1])); }},
    {"written", [](const Row& r) { return IsWrittenNumber(r[1]) ? "yes" : "no"; }},
    {"general", [](const Row& r) { return GeneralNumberText(Number(r[1])); }},
    {"fixed",
     [](const Row& r) { return FormatFixed(Number(r[1]), std::stoi(r[2]), Format(r[3])); }},
    {"round", [](const Row& r) { return Text(RoundHalfEven(Number(r[1]), std::stoi(r[2]))); }},
    {"field",
     [](const Row& r) {
         bool bad = false;
         bool comma = false;
         const double value = ParseAngleField(r[1], bad, comma);
         return (bad ? "bad " : "") + Text(value) + (comma ? " comma" : "");
     }},
    {"dms",
     [](const Row& r) { return Rad2DegMin(Number(r[1])) + " " + Rad2DegMinSec(Number(r[1])); }},
    {"mod2pi", [](const Row& r) { return Text(Mod2Pi(Number(r[1]))); }},
    {"count", [](const Row& r) { return std::to_string(CountOccurrences(r[1], r[2])); }},
    {"replace", [](const Row& r) { return ReplaceNoCase(r[1], r[2], r[3]); }},
    {"echo", [](const Row& r) { return Echo(r[1]); }},
    {"unit", UnitConversion},
    {"packed", PackedReading},
    {"values", [](const Row& r) {
         const CliRun run =
             RunCli(std::regex_replace(r[1], std::regex(" "), "|") + "|--values|--|" + r[2], "");
         const std::string said =
             run.status == 0 ? run.out : run.err.substr(run.err.rfind(": ") + 2);
         return said.substr(0, said.size() - 1);
     }}};

class Cases : public ::testing::TestWithParam<std::string> {};

TEST_P(Cases, EveryRowHolds) {
    for (const auto& [number, row] : ReadTable(GetParam())) {
        const std::string where = GetParam() + ":" + std::to_string(number);
        if (kRules.contains(row[0])) {
            EXPECT_EQ(kRules.at(row[0])(row), row.back()) << where;
        } else {
            CheckCommand(row, where);
        }
    }
}

// Whole runs of orvanel-cli (cli-runs.tsv, and its CSV mode in csv-runs.tsv): a command line (words
// split at "|"), its standard input, then what must come out on standard output, the exit status
// and what on standard error.
TEST(Cli, RunsAsTheTablesSay) {
    for (const std::string table : {"cli-runs.tsv", "csv-runs.tsv"}) {
        for (const auto& [number, row] : ReadTable(table)) {
            const CliRun run = RunCli(row[0], row[1]);
            const std::string where = table + ":" + std::to_string(number);
            EXPECT_EQ(run.out, row[2]) << where;
            EXPECT_EQ(run.status, std::stoi(row[3])) << where;
            EXPECT_EQ(run.err, row.size() > 4 ? row[4] : "") << where;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, Cases,
                         ::testing::Values("numbers.tsv", "text.tsv", "deg2rad.tsv", "rad2deg.tsv",
                                           "adder.tsv", "sign.tsv", "badinput.tsv", "exact.tsv",
                                           "units.tsv"),
                         [](const auto& info) {
                             return info.param.substr(0, info.param.find('.'));
                         });

} // namespace
